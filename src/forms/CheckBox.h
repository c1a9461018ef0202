#pragma once
// A check box that answers a click anywhere in its rectangle, as a Windows
// check box does over the whole area it was given. A plain QCheckBox takes a
// click only on its box and its text, so a wide check box ignores clicks in
// the blank part of its area, under the pointing hand it shows there.

#include <QCheckBox>

namespace forms
{

class CheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    // Also decides where the pointer hovers over the box and where a press
    // that moves keeps it down.
    bool hitButton(const QPoint& pos) const override;
};

} // namespace forms
