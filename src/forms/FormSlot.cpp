#include "FormSlot.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

namespace forms
{

namespace
{

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace

FormSlot::FormSlot(FormCollection& collection, Factory factory)
    : collection_(collection), factory_(std::move(factory))
{
}

FormSlot::~FormSlot()
{
    collection_.slots_.removeAll(this);
    delete form_.data();
}

bool FormSlot::isLoaded() const
{
    return form_ && !unloading_;
}

Form& FormSlot::form()
{
    if (!form_)
        load();
    return *form_;
}

void FormSlot::load(bool hidden)
{
    std::unique_ptr<Form> created = factory_();
    form_ = created.release();
    form_->slot_ = this;
    collection_.slots_.append(this);
    centreOnScreen(form_);
    form_->loadingHidden_ = hidden;
    form_->Form_Load();
    if (form_)
        form_->loadingHidden_ = false;
}

void FormSlot::show()
{
    Form& window = form();
    window.show();
    window.raise();
    window.activateWindow();
}

void FormSlot::showModal()
{
    Form& window = form();
    QPointer<Form> guard(&window);
    QEventLoop loop;
    QObject::connect(&window, &Form::hidden, &loop, &QEventLoop::quit);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    show();
    if (window.isVisible())
        loop.exec();
    if (guard)
        guard->setWindowModality(Qt::NonModal);
}

void FormSlot::hide()
{
    if (!form_)
        load(true);
    if (form_)
        form_->hide();
}

bool FormSlot::unload()
{
    if (!form_ || unloading_)
        return true;
    unloading_ = true;
    std::int16_t cancel = 0;
    try {
        form_->Form_Unload(cancel);
    } catch (...) {
        unloading_ = false; // a failed unload leaves the window loaded
        throw;
    }
    if (cancel != 0 || !form_) {
        unloading_ = false;
        return cancel == 0;
    }
    Form* window = form_.data();
    form_ = nullptr;
    collection_.slots_.removeAll(this);
    window->slot_ = nullptr;
    window->hide();
    window->deleteLater();
    unloading_ = false;
    return true;
}

} // namespace forms
