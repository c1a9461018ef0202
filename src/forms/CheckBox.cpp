#include "CheckBox.h"

namespace forms
{

bool CheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace forms
