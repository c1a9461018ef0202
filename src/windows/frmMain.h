#pragma once

#include "Form.h"

struct Program;

class frmMain : public forms::Form {
    Q_OBJECT
public:
    explicit frmMain(Program& program);

private:
    Program& program_;
};
