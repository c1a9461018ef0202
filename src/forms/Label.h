#pragma once
// A label whose caption follows the access-letter convention ("&x" underlines
// x, "&&" shows one "&"), that can be clicked like a link, and that either
// wraps its text within a fixed size or fits its size to the text. Like any
// label, a link takes no keyboard focus; assistive tools press it through its
// accessible press action.

#include <QLabel>

namespace forms
{

class Label : public QLabel
{
    Q_OBJECT
public:
    enum class Sizing { Wrap, FitText };

    explicit Label(QWidget* parent, Sizing sizing = Sizing::Wrap);

    // The caption as written, with its "&" markers.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Makes the label a link: pointing hand, clicked() on a mouse click, the
    // link role for assistive tools.
    void makeLink();
    bool isLink() const { return link_; }
    // A link emits clicked(), as a click on it does.
    void press();
    // True when a later sibling hides the whole label (the offers of a strip
    // lie on top of each other).
    bool isCovered() const;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString caption_;
    Sizing sizing_;
    bool link_ = false;
};

// The text a caption shows: "&&" becomes "&", a single "&" disappears.
QString displayText(const QString& caption);
// Position of the access letter in displayText(caption), or -1.
int accessLetterPosition(const QString& caption);

} // namespace forms
