#include "Label.h"

#include "Accessibility.h"
#include "Appearance.h"

#include <QMouseEvent>

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

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    const ParsedCaption parsed = parse(caption);
    if (parsed.accessLetter < 0) {
        setTextFormat(Qt::PlainText);
        setText(parsed.text);
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
    installAccessibility();
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
