#include "Label.h"

#include "Accessibility.h"
#include "Appearance.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace forms
{

namespace
{

struct ParsedCaption {
    QString text;
    int accessLetter = -1;
};

ParsedCaption parse(const QString& caption)
{
    ParsedCaption parsed;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != u'&' && parsed.accessLetter < 0)
                parsed.accessLetter = int(parsed.text.size());
        }
        parsed.text.append(caption[i]);
    }
    return parsed;
}

} // namespace

QString displayText(const QString& caption)
{
    return parse(caption).text;
}

int accessLetterPosition(const QString& caption)
{
    return parse(caption).accessLetter;
}

Label::Label(QWidget* parent, Sizing sizing) : QLabel(parent), sizing_(sizing)
{
    setWordWrap(sizing == Sizing::Wrap);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransparent(this);
}

// QLabel shows a label that can take the focus through a rich-text document
// of its own, so that the focus can move between links inside its text. A link
// of ours is one link with its own keys and focus frame, so QLabel is not shown
// its focus policy: its text stays plain, drawn as any label's, and the links
// of a window cost no document each (together some 400 KB and milliseconds of
// a start-up).
template <class Step> void Label::withoutFocusPolicy(Step step)
{
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    step();
    setFocusPolicy(policy);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    const ParsedCaption parsed = parse(caption);
    if (parsed.accessLetter < 0) {
        withoutFocusPolicy([&] {
            setTextFormat(Qt::PlainText);
            setText(parsed.text);
        });
    } else {
        // Underline the access letter; everything else stays literal text.
        setTextFormat(Qt::RichText);
        const QString before = parsed.text.left(parsed.accessLetter).toHtmlEscaped();
        const QString letter = parsed.text.mid(parsed.accessLetter, 1).toHtmlEscaped();
        const QString after = parsed.text.mid(parsed.accessLetter + 1).toHtmlEscaped();
        setText(before + QStringLiteral("<u>") + letter + QStringLiteral("</u>") + after);
    }
    setAccessibleName(parsed.text);
    if (sizing_ == Sizing::FitText)
        fitToText();
}

void Label::makeLink()
{
    link_ = true;
    setPointingHand(this);
    // Tab reaches it and a click does not focus it, so a clicked link looks as before.
    setFocusPolicy(Qt::TabFocus);
    installAccessibility();
    updateSiblingLinks();
}

void Label::press()
{
    if (link_)
        Q_EMIT clicked();
}

bool Label::isCovered() const
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return false;
    // Siblings later in the list lie in front.
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings.at(i));
        if (sibling && sibling->isVisibleTo(parent) && sibling->geometry().contains(geometry()))
            return true;
    }
    return false;
}

void Label::updateSiblingLinks()
{
    if (!parentWidget())
        return;
    for (Label* sibling : parentWidget()->findChildren<Label*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isLink())
            sibling->setFocusPolicy(sibling->isCovered() ? Qt::NoFocus : Qt::TabFocus);
    }
}

void Label::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const bool chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (link_ && activates && !chord) {
        event->accept();
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's focus frame shows where the keyboard is, only while it is here.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

bool Label::event(QEvent* event)
{
    if (event->type() == QEvent::ZOrderChange)
        updateSiblingLinks();
    if (event->type() != QEvent::Polish)
        return QLabel::event(event);
    bool handled = false;
    withoutFocusPolicy([&] { handled = QLabel::event(event); });
    return handled;
}

// Not QLabel's, which would build the document; these repaint the focus frame.
void Label::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
}

void Label::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void Label::fitToText()
{
    // Keeps the left edge; one line, as wide and high as the text needs.
    const QSize needed = fontMetrics().size(Qt::TextSingleLine, displayText(caption_));
    resize(needed.width() + 2 * margin(), needed.height() + 2 * margin());
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && sizing_ == Sizing::FitText)
        fitToText();
}

} // namespace forms
