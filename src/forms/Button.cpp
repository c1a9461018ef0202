#include "Button.h"

#include <QStyleOptionButton>

#include <algorithm>

namespace forms
{

void Button::initStyleOption(QStyleOptionButton* option) const
{
    QPushButton::initStyleOption(option);
    // The sets of colours met so far: a handful, a few more after changes of the
    // desktop's theme; the oldest goes when there are more.
    static QList<QPalette> shared;
    constexpr qsizetype Most = 16;
    const auto same = std::find(shared.cbegin(), shared.cend(), option->palette);
    if (same != shared.cend()) {
        option->palette = *same;
        return;
    }
    if (shared.size() == Most)
        shared.removeFirst();
    shared.append(option->palette);
}

} // namespace forms
