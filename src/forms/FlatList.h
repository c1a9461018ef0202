#pragma once
// A drop-down list that paints its closed box flat in its own palette: Base
// behind the text, a border a shade darker, a raised arrow button. Fusion
// would paint it as a lightened button face whatever the palette says, and a
// style sheet, which can do the same, puts a second style and its rules into
// every start-up. With the focus, the text shows selected, as a list box with
// the focus does on Windows.
//
// It takes its font when it is built. QComboBox builds its drop-down (a list
// view, its scroll bars and frame) at its first font change, long before
// anyone opens it: half a megabyte and some milliseconds of every start-up.
// The drop-down takes the list's colours and font when it opens: Fusion would
// draw it as a menu, in the menu's colours.

#include <QComboBox>

namespace forms
{

class FlatList : public QComboBox
{
public:
    FlatList(QWidget* parent, const QFont& font);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The list's palette, with a selected text that reads on the selection
    // whatever colour the desktop gives that.
    QPalette shownPalette() const;

    bool building_ = true;
    bool popupDressed_ = false;
};

} // namespace forms
