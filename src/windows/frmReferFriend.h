#pragma once
// The last window of every run: a form that recommends the program to a
// friend through the maker's web site, an advert for the maker's other
// programs, an appeal to visit the maker's discussion board, and the Exit
// button that ends the program.

#include "Form.h"
#include "Label.h"
#include "modTellAFriend.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <cstdint>

struct ProgramWindows;

namespace forms
{
class Label;
}

class frmReferFriend : public forms::Form
{
    Q_OBJECT
public:
    explicit frmReferFriend(ProgramWindows& program);

    // The appeals of Label2, one of which Form_Load picks at random.
    static const QStringList& Appeals();

    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;

    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    void txtName_GotFocus();
    void txtEmail_GotFocus();
    void txtMessage_GotFocus();
    void txtFriendName_GotFocus();
    void txtFriendEmail_GotFocus();
    void txtName_LostFocus();
    void txtEmail_LostFocus();
    void txtMessage_LostFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_LostFocus();

    void txtEmail_KeyPress(std::int16_t& KeyAscii);
    void txtFriendEmail_KeyPress(std::int16_t& KeyAscii);

    // txtMessage's text with its line breaks as carriage return and line feed.
    QString messageText() const;
    void setMessageText(const QString& text);

    // The texts of the last submitted form and the address built from them.
    modTellAFriend::ReferForm Refer;

    QPushButton* cmdClose;
    QCheckBox* Check1;
    forms::Label* Label1;
    QLabel* Picture1;
    forms::Label* Label2;
    QGroupBox* Frame2;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPushButton* cmdSubmit;
    QPlainTextEdit* txtMessage;
    QGroupBox* Frame6;
    forms::Label* Label3;
    forms::Label* lblGoToHome;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The placeholder rule of one box.
    void enterBox(QLineEdit* box, const QString& placeholder);
    void leaveBox(QLineEdit* box, const QString& placeholder);
    void refuseBlank(QWidget* box, std::int16_t& KeyAscii);
    // Runs the GotFocus or LostFocus handler of `box`, if it has one.
    void focusMoved(QObject* box, bool entering);
    // Runs the GotFocus handler of the box last entered, if it still has the focus.
    void enterPendingBox();

    ProgramWindows& program_;
    QPointer<QWidget> entering_;
};
