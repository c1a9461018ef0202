#pragma once
// The base of every window: a fixed-size top-level window whose controls are
// placed in twips on a client area below an optional menu bar, with a default
// button (Enter) and a cancel button (Esc). Loading, hiding and unloading go
// through the window's FormSlot.

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <cstdint>

class QMenuBar;

namespace forms
{

class FormSlot;

class Form : public QWidget
{
    Q_OBJECT
public:
    enum class Frame { FixedSingle, FixedDialog };

    Form(Frame frame, int clientWidthTwips, int clientHeightTwips, const QColor& background);
    ~Form() override;

    // Runs once each time the window is loaded.
    virtual void Form_Load() {}
    // Runs each time the window is unloaded; a non-zero Cancel keeps it loaded.
    virtual void Form_Unload(std::int16_t& Cancel) { (void)Cancel; }

    QWidget* clientArea() const { return client_; }
    QMenuBar* menuBar();

    QPushButton* defaultButton() const { return defaultButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Unloads this window through its slot (the close box does the same).
    bool unload();

    // Showing is held back while the window loads only to be hidden.
    void setVisible(bool visible) override;

Q_SIGNALS:
    // Emitted when the window is hidden or unloaded; ends a modal showing.
    void hidden();

protected:
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class FormSlot;

    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    FormSlot* slot_ = nullptr;
    bool loadingHidden_ = false;
    // The control that had the focus when the window was last hidden.
    QPointer<QWidget> focusWhenHidden_;
};

} // namespace forms
