#pragma once
// A drop-down list that paints its closed box flat in its own palette: Base
// behind the text, a border a shade darker, a raised arrow button. Fusion
// would paint it as a lightened button face whatever the palette says, and a
// style sheet, which can do the same, puts a second style and its rules into
// every start-up. With the focus, the text shows selected, as a list box with
// the focus does on Windows.

#include <QComboBox>

namespace forms
{

class FlatList : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
