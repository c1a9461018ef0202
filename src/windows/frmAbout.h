#pragma once
// The About window: the program's name and version, its description, and links
// to the maker's site and to the offer of a fully-branded edition. Shown modally.

#include "Controls.h"
#include "Form.h"

#include <QLabel>

struct ProgramWindows;

class frmAbout : public forms::Form
{
    Q_OBJECT
public:
    explicit frmAbout(ProgramWindows& program);

    QLabel* picIcon;
    forms::Label* Label2;
    forms::Label* Label1;
    forms::Label* lblHomePage;
    forms::Label* Label6;
    forms::Label* Label5;
    QFrame* Line2;
    QPushButton* cmdOK;

    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramWindows& program_;
};
