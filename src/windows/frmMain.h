#pragma once
// The main window: the user types a name, picks a birth date from three lists
// and starts the search for the Zorivi sign. Around the input it carries a
// description, web links in the top and bottom strips, and the menus.

#include "Controls.h"
#include "Form.h"

#include <QAction>
#include <QMenu>

#include <cstdint>

struct ProgramWindows;

class frmMain : public forms::Form
{
    Q_OBJECT
public:
    explicit frmMain(ProgramWindows& program);

    // Controls, from the bottom of the stacking order to the top.
    QFrame* Frame2;
    forms::Label* Label61;
    QFrame* Frame1;
    QFrame* Picture1;
    QComboBox* cboMonth;
    QLineEdit* txtName;
    QComboBox* cboDate;
    QComboBox* cboYear;
    forms::Label* Label7;
    forms::Label* Label2;
    forms::Label* Label1;
    forms::Label* Label5;
    forms::Label* Label6;
    QPushButton* cmdNext;
    forms::Label* Label3;
    QFrame* Frame5;
    QPushButton* cmdExit;
    forms::Label* lblFullBrand;
    forms::Label* lblCobrand;

    // Menu bar.
    QMenu* mnuFile;
    QAction* mnuFindPowerSign;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuHelp1;
    QAction* mnuUpdate;
    QAction* mnuHelp2;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoneyOnline;

    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;

    void cmdNext_Click();
    void mnuFindPowerSign_Click();
    // The name filter: letters become capitals, Backspace, Enter and blank
    // pass, anything else is refused with a message and becomes 0.
    void txtName_KeyPress(std::int16_t& KeyAscii);
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

private:
    void buildControls();
    void buildMenus();
    // Checks the name and the date; tells the user what is wrong and gives false.
    bool ValidateBirthData();

    ProgramWindows& program_;
};
