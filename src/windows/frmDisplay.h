#pragma once
// The result window: the sign found for the user's birth date and its reading,
// under a fixed text about Zorivi signs. Back returns to the main window;
// Exit and the close box leave through the close rule.

#include "Controls.h"
#include "Form.h"
#include "Services.h"

#include <QAction>
#include <QMenu>

#include <cstdint>

struct ProgramWindows;

class frmDisplay : public forms::Form
{
    Q_OBJECT
public:
    explicit frmDisplay(ProgramWindows& program);

    // Controls, from the bottom of the stacking order to the top.
    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QFrame* Frame2;
    forms::Label* Label61;
    QFrame* Frame5;
    forms::Label* lblFullBrand;
    forms::Label* lblCobrand;
    QFrame* fraPowerSign;
    forms::Label* Label3;
    forms::Label* lblSignDesc;
    forms::Label* lblDudizuSign;

    // Menu bar.
    QMenu* mnuFile;
    QAction* mnuFileBack;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuFileSep1;
    QAction* mnuUpdate;
    QAction* mnuFileSep2;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoneyOnline;

    void cmdBack_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Label61_Click();
    void mnuVisit_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuMakeMoneyOnline_Click();
    void mnuOnline_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();

    void Form_Unload(std::int16_t& Cancel) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();

    ProgramWindows& program_;
};
