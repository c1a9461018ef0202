#pragma once
// A label whose caption follows the access-letter convention ("&x" underlines
// x, "&&" shows one "&"), that can be clicked like a link, and that either
// wraps its text within a fixed size or fits its size to the text.

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

    // Makes the label a link: pointing hand, and clicked() on a mouse click.
    void makeLink();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString caption_;
    Sizing sizing_;
};

// The text a caption shows: "&&" becomes "&", a single "&" disappears.
QString displayText(const QString& caption);
// Position of the access letter in displayText(caption), or -1.
int accessLetterPosition(const QString& caption);

} // namespace forms
