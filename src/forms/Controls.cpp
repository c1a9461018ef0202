#include "Controls.h"

#include "Button.h"
#include "CheckBox.h"
#include "FlatList.h"

#include <limits>

namespace forms
{

QFrame* makePanel(QWidget* parent, Place place, const QColor& background)
{
    auto* panel = placed(new QFrame(parent), place);
    panel->setFrameShape(QFrame::NoFrame);
    setBackground(panel, background);
    return panel;
}

QGroupBox* makeCaptionedPanel(QWidget* parent, Place place, const QString& caption,
                              const QColor& background, const QColor& text, const QFont& font)
{
    auto* panel = placed(new QGroupBox(caption, parent), place);
    panel->setFont(font);
    setBackground(panel, background);
    setTextColour(panel, text);
    return panel;
}

QPushButton* makeButton(QWidget* parent, Place place, const QString& caption, const QFont& font,
                        const QColor& face)
{
    auto* button = placed(new Button(caption, parent), place);
    button->setFont(font);
    button->setAutoDefault(false);
    setButtonFace(button, face);
    return button;
}

Label* makeLabel(QWidget* parent, Place place, const QString& caption, const QFont& font,
                 const QColor& text, Label::Sizing sizing, Qt::Alignment alignment)
{
    auto* label = placed(new Label(parent, sizing), place);
    label->setFont(font);
    label->setAlignment(alignment);
    setTextColour(label, text);
    label->setCaption(caption);
    return label;
}

Label* makeLinkLabel(QWidget* parent, Place place, const QString& caption, const QFont& font,
                     const QColor& text, Qt::Alignment alignment, Label::Sizing sizing)
{
    Label* label = makeLabel(parent, place, caption, font, text, sizing, alignment);
    label->makeLink();
    return label;
}

QCheckBox* makeCheckBox(QWidget* parent, Place place, const QString& caption)
{
    return placed(new CheckBox(caption, parent), place);
}

QLineEdit* makeTextBox(QWidget* parent, Place place, const QString& text)
{
    auto* box = placed(new QLineEdit(text, parent), place);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QComboBox* makeList(QWidget* parent, Place place, const QFont& font)
{
    auto* list = placed(new FlatList(parent, font), place);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::InsertAtBottom);
    return list;
}

} // namespace forms
