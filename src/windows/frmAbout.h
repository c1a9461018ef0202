#pragma once

#include "Form.h"

struct Program;

class frmAbout : public forms::Form {
    Q_OBJECT
public:
    explicit frmAbout(Program& program);

private:
    Program& program_;
};
