#include "TextBox.h"

#include "KeyPressFilter.h"

#include <QPointer>
#include <QValidator>

#include <algorithm>

namespace forms
{

// QLineEdit checks its validator after every change, whatever made it: the one
// place all insertions pass. A change the rule would alter is refused there,
// so the box undoes it with its undo history intact, and put in again obeying
// the rule once the event that made it is over.
class TextBox::Check : public QValidator
{
public:
    explicit Check(TextBox* box) : QValidator(box), box_(box) {}

    State validate(QString& text, int& cursor) const override
    {
        bool refused = false;
        const QString allowed = box_->obeyingRule(text, &refused);
        if (allowed == text)
            return Acceptable;
        if (box_->delivering_ > 0) {
            box_->undone_ = text;
            return Invalid;
        }
        // Text set from code (a screen reader's insertion) is mended in place.
        cursor = int(box_->obeyingRule(text.left(cursor), nullptr).size());
        text = allowed;
        if (refused)
            QMetaObject::invokeMethod(
                box_, [box = box_] { box->refused_(); }, Qt::QueuedConnection);
        return Acceptable;
    }

private:
    TextBox* box_;
};

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void TextBox::setInsertionRule(Rule rule, std::function<void()> refused)
{
    rule_ = std::move(rule);
    refused_ = std::move(refused);
    setValidator(new Check(this));
}

QString TextBox::obeyingRule(const QString& text, bool* refused) const
{
    QString kept;
    for (const QChar character : text) {
        const std::int16_t code =
            character.isPrint() ? rule_(KeyPressFilter::keyCode(QString(character))) : 0;
        if (code != 0)
            kept.append(QChar(char16_t(code)));
        else if (refused)
            *refused = true;
    }
    return kept;
}

bool TextBox::event(QEvent* event)
{
    const QPointer<TextBox> alive(this);
    ++delivering_;
    const bool handled = QLineEdit::event(event);
    if (!alive)
        return handled;
    // Events sent to the box while it handles one (input method queries, say)
    // come before the undoing: only the outermost one may put the text in again.
    if (--delivering_ == 0 && undone_)
        insertObeyingRule(*std::exchange(undone_, std::nullopt));
    return handled;
}

void TextBox::insertObeyingRule(const QString& wanted)
{
    // The box is as it was before the change, its selection and cursor too:
    // what lies between the text both share in front and behind went in.
    const QString now = text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype replaced = selectedText().size();
    qsizetype head = 0;
    while (head < start && head < wanted.size() && now[head] == wanted[head])
        ++head;
    const qsizetype tailRoom = std::min(now.size() - head - replaced, wanted.size() - head);
    qsizetype tail = 0;
    while (tail < tailRoom && now[now.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;

    bool refused = false;
    const QString inserted = obeyingRule(wanted.mid(head, wanted.size() - head - tail), &refused);
    setSelection(int(head), int(now.size() - head - tail));
    insert(inserted);
    if (refused && refused_)
        refused_();
}

} // namespace forms
