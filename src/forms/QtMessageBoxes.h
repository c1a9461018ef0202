#pragma once
// Message boxes shown with QMessageBox.

#include "Services.h"

namespace forms
{

class QtMessageBoxes : public platform::MessageBoxes
{
public:
    Answer show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
};

} // namespace forms
