#pragma once
// One window of the program, which exists at most once: touching it loads it
// (and runs Form_Load), hiding keeps it, unloading runs Form_Unload and
// discards it, and the next touch loads a fresh one.

#include "Form.h"

#include <functional>
#include <memory>

namespace forms
{

class FormCollection;

class FormSlot
{
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    explicit FormSlot(FormCollection& collection, Factory factory = {});
    ~FormSlot();
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;

    void setFactory(Factory factory) { factory_ = std::move(factory); }

    // The loaded window, loading it first when needed.
    Form& form();
    template <class T> T& as() { return static_cast<T&>(form()); }

    bool isLoaded() const;
    void show();
    // Shows the window application-modal and returns when it is hidden or unloaded.
    void showModal();
    void hide();
    // Runs Form_Unload; false when the window refused to close.
    bool unload();

private:
    // `hidden`: a Form_Load that shows the window does not, so that loading
    // for hiding does not flash it on the screen.
    void load(bool hidden = false);

    FormCollection& collection_;
    Factory factory_;
    QPointer<Form> form_;
    bool unloading_ = false;
};

// The loaded windows of the program, in the order in which they were loaded.
class FormCollection
{
public:
    QList<FormSlot*> loaded() const { return slots_; }
    int count() const { return int(slots_.size()); }

private:
    friend class FormSlot;
    QList<FormSlot*> slots_;
};

} // namespace forms
