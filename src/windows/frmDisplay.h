#pragma once

#include "Form.h"

struct Program;

class frmDisplay : public forms::Form {
    Q_OBJECT
public:
    explicit frmDisplay(Program& program);

private:
    Program& program_;
};
