#pragma once

#include "Form.h"

struct Program;

class frmReferFriend : public forms::Form {
    Q_OBJECT
public:
    explicit frmReferFriend(Program& program);

private:
    Program& program_;
};
