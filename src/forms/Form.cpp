#include "Form.h"

#include "Accessibility.h"
#include "Appearance.h"
#include "FormSlot.h"
#include "ProgramIcon.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace forms
{

namespace
{

Qt::WindowFlags flagsFor(Form::Frame frame)
{
    // A fixed border with a close box but no minimize or maximize box.
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint;
    return (frame == Form::Frame::FixedDialog ? Qt::Dialog : Qt::Window) | common;
}

} // namespace

Form::Form(Frame frame, int clientWidthTwips, int clientHeightTwips, const QColor& background)
    : QWidget(nullptr, flagsFor(frame)), client_(new QWidget(this))
{
    setWindowTitle(QStringLiteral("Tolvane v1.0"));
    setWindowIcon(programIcon());
    installAccessibility();
    setFont(verdana(8.25));
    setBackground(this, background);
    setBackground(client_, background);
    client_->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Form::~Form() = default;

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
    }
    return menuBar_;
}

bool Form::unload()
{
    return slot_ ? slot_->unload() : true;
}

void Form::setVisible(bool visible)
{
    if (visible && loadingHidden_)
        return;
    QWidget::setVisible(visible);
}

void Form::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window; a refusing Form_Unload keeps it open.
    if (slot_ && !slot_->unload())
        event->ignore();
    else
        event->accept();
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses the focused push button, or else the default button.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused ? focused : defaultButton_.data();
        if (target && target->isEnabled()) {
            target->click();
            return;
        }
        break;
    }
    case Qt::Key_Escape:
        if (cancelButton_ && cancelButton_->isEnabled()) {
            cancelButton_->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void Form::showEvent(QShowEvent* event)
{
    // A window hidden again before the window system activated it is activated
    // while hidden, and Qt then takes its focus control for gone and moves the
    // focus on to the next one. Shown again, it has the focus where it left it.
    if (!event->spontaneous() && focusWhenHidden_)
        focusWhenHidden_->setFocus();
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    focusWhenHidden_ = focusWidget();
    Q_EMIT hidden();
}

} // namespace forms
