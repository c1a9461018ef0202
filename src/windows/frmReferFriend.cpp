#include "frmReferFriend.h"

#include "Controls.h"
#include "KeyPressFilter.h"
#include "ProgramIcon.h"
#include "ProgramWindows.h"
#include "WindowTexts.h"
#include "modHelp.h"

#include <QFocusEvent>

#include <utility>

using modTellAFriend::TrimBlanks;
using platform::MessageBoxes;

namespace
{

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);
const QColor ButtonFace(240, 240, 240);

// Text boxes inside the navy panel keep the look of an ordinary box rather
// than the panel's colours and caption font.
template <class Box> Box* plainBox(Box* box)
{
    box->setFont(forms::verdana(8.25));
    forms::setBackground(box, White);
    forms::setTextColour(box, Black);
    return box;
}

} // namespace

const QStringList& frmReferFriend::Appeals()
{
    static const QStringList appeals = {
        QStringLiteral("We can make and maintain our programs only with your support. The best "
                       "support is to visit our discussion board regularly and take part in its "
                       "discussions and other activities."),
        QStringLiteral("Please visit our site regularly and take part in its discussions. "
                       "Without your visits we cannot support and maintain our programs."),
        QStringLiteral("Our site is a free online discussion forum about astrology, psychic "
                       "reading, tarot and more. Visiting it regularly helps us develop and "
                       "maintain this program."),
        QStringLiteral("Our site needs your help! Visiting it regularly and joining its "
                       "discussions helps us maintain this program and develop more like it."),
    };
    return appeals;
}

frmReferFriend::frmReferFriend(ProgramWindows& program)
    : Form(Frame::FixedSingle, 11115, 4725, White), program_(program)
{
    using forms::FontStyle;
    QWidget* client = clientArea();

    cmdClose = forms::makeButton(client, {6000, 2760, 1245, 375}, QStringLiteral("E&xit"),
                                 forms::verdana(8.25), ButtonFace);
    forms::setTextColour(cmdClose, Black);

    Check1 = forms::makeCheckBox(client, {30, 2040, 7185, 555},
                                 QStringLiteral("Visit ") + windowtext::mainSiteShown() +
                                     QStringLiteral(" now and join our discussions"));
    forms::setTextColour(Check1, Black);
    forms::setPointingHand(Check1);

    Label1 = forms::makeLabel(client, {1080, 240, 4080, 435}, QStringLiteral("Tolvane v1.0"),
                              forms::msSansSerif(18), Black);

    Picture1 = forms::placed(new QLabel(client), {360, 120, 540, 540});
    Picture1->setPixmap(forms::programPicture(Picture1->width()));

    Label2 = forms::makeLabel(client, {120, 840, 6975, 1095}, QString(),
                              forms::verdana(9.75, FontStyle::Bold), Black);

    Frame2 =
        forms::makeCaptionedPanel(client, {120, 3240, 7065, 1455}, QStringLiteral("Refer A Friend"),
                                  Navy, White, forms::verdana(9.75, FontStyle::Bold));
    txtName =
        plainBox(forms::makeTextBox(Frame2, {85, 360, 3375, 285}, modTellAFriend::NamePlaceholder));
    txtEmail = plainBox(
        forms::makeTextBox(Frame2, {3600, 360, 3375, 285}, modTellAFriend::EmailPlaceholder));
    txtFriendName = plainBox(
        forms::makeTextBox(Frame2, {85, 720, 3375, 285}, modTellAFriend::FriendNamePlaceholder));
    txtFriendEmail = plainBox(
        forms::makeTextBox(Frame2, {3600, 720, 3375, 285}, modTellAFriend::FriendEmailPlaceholder));
    cmdSubmit =
        forms::makeButton(Frame2, {1920, 1080, 3375, 285}, QStringLiteral("Refer A Friend &Now"),
                          forms::verdana(8.25, FontStyle::Bold), ButtonFace);
    forms::setTextColour(cmdSubmit, Black);
    // Lies below the panel's visible area: only the Tab key reaches it.
    txtMessage = plainBox(forms::placed(new QPlainTextEdit(Frame2), {4800, 3600, 1815, 495}));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    setMessageText(modTellAFriend::MessagePlaceholder + QStringLiteral("\r\n"));

    Frame6 = forms::makeCaptionedPanel(client, {7320, 120, 3735, 4575},
                                       QStringLiteral("Download Our Other Programs"), Navy, White,
                                       forms::verdana(9.75, FontStyle::Bold));
    Label3 = forms::makeLabel(
        Frame6, {120, 360, 3495, 3855},
        QStringLiteral("Discover our other astrology, psychic, tarot, numerology and occult "
                       "programs. They are simple, fun and informative.\n\nTry them for "
                       "yourself, and share them with your friends and family!"),
        forms::verdana(9), White);
    lblGoToHome = forms::makeLinkLabel(Frame6, {75, 4250, 3585, 210},
                                       QStringLiteral("Visit Our Programs Now"),
                                       forms::verdana(9, FontStyle::BoldUnderline), Yellow);

    // The boxes show their purpose as a placeholder text, which a reader does
    // not take for a name.
    txtName->setAccessibleName(QStringLiteral("Your name"));
    txtEmail->setAccessibleName(QStringLiteral("Your email address"));
    txtFriendName->setAccessibleName(QStringLiteral("Friend's name"));
    txtFriendEmail->setAccessibleName(QStringLiteral("Friend's email address"));
    txtMessage->setAccessibleName(QStringLiteral("Message"));
    Picture1->setAccessibleName(QStringLiteral("Tolvane icon"));
    cmdClose->setAccessibleDescription(QStringLiteral("Ends Tolvane"));
    setAccessibleDescription(QStringLiteral("Refer Tolvane to a friend"));

    QWidget::setTabOrder(cmdClose, Check1);
    QWidget::setTabOrder(Check1, txtName);
    QWidget::setTabOrder(txtName, cmdSubmit);
    QWidget::setTabOrder(cmdSubmit, txtEmail);
    QWidget::setTabOrder(txtEmail, txtFriendEmail);
    QWidget::setTabOrder(txtFriendEmail, txtFriendName);
    QWidget::setTabOrder(txtFriendName, txtMessage);

    connect(cmdClose, &QPushButton::clicked, this, &frmReferFriend::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmReferFriend::cmdSubmit_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmReferFriend::Check1_Click);
    connect(lblGoToHome, &forms::Label::clicked, this, &frmReferFriend::lblGoToHome_Click);

    for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                         static_cast<QWidget*>(txtMessage), static_cast<QWidget*>(txtFriendName),
                         static_cast<QWidget*>(txtFriendEmail)})
        box->installEventFilter(this);
    forms::onKeyPress(txtEmail, [this](std::int16_t& KeyAscii) { txtEmail_KeyPress(KeyAscii); });
    forms::onKeyPress(txtFriendEmail,
                      [this](std::int16_t& KeyAscii) { txtFriendEmail_KeyPress(KeyAscii); });

    cmdClose->setFocus();
}

void frmReferFriend::Form_Load()
{
    platform::Services& services = program_.services;
    services.random.seed(services.clock.seedValue());
    // Each appeal with the same chance; a value out of range still picks one.
    const float scaled = services.random.next() * 4;
    const int index = scaled >= 3 ? 3 : scaled > 0 ? int(scaled) : 0;
    Label2->setCaption(Appeals().at(index));

    // Above every other window from now on; shown without taking the focus.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
}

void frmReferFriend::Form_Unload(std::int16_t& Cancel)
{
    (void)Cancel;
    // Closing this window ends the program.
    modHelp::UnloadAllAndEnd(program_.forms, program_.services.exit);
}

void frmReferFriend::cmdClose_Click()
{
    modHelp::UnloadAllAndEnd(program_.forms, program_.services.exit);
}

void frmReferFriend::cmdSubmit_Click()
{
    // The form keeps what was pressed last, whatever the checks find.
    Refer.ReferName = TrimBlanks(txtName->text());
    Refer.ReferEmail = TrimBlanks(txtEmail->text());
    Refer.ReferMessage = TrimBlanks(messageText());
    Refer.ReferFriendName = TrimBlanks(txtFriendName->text());
    Refer.ReferFriendEmail = TrimBlanks(txtFriendEmail->text());

    MessageBoxes& messages = program_.services.messages;
    const auto refuse = [&messages](const QString& text) {
        messages.show(text, MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
    };
    if (Refer.ReferEmail == Refer.ReferFriendEmail) {
        refuse(QStringLiteral("Please Enter Distinct Email Addresses"));
        return;
    }
    for (QChar needed : {u'@', u'.'}) {
        if (!Refer.ReferEmail.contains(needed) || !Refer.ReferFriendEmail.contains(needed)) {
            refuse(QStringLiteral("Please Enter Proper Email Address"));
            return;
        }
    }
    modTellAFriend::TellAFriend(Refer, messages, program_.services.browser);
}

void frmReferFriend::Check1_Click()
{
    // Unchecking runs this again, which then does nothing: the box never stays checked.
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage(program_.services.browser);
}

void frmReferFriend::lblGoToHome_Click()
{
    modHelp::OpenSoftwareLibrary(program_.services.browser);
}

void frmReferFriend::enterBox(QLineEdit* box, const QString& placeholder)
{
    if (TrimBlanks(box->text()) == placeholder)
        box->clear();
}

void frmReferFriend::leaveBox(QLineEdit* box, const QString& placeholder)
{
    if (TrimBlanks(box->text()).isEmpty())
        box->setText(placeholder);
}

void frmReferFriend::txtName_GotFocus()
{
    enterBox(txtName, modTellAFriend::NamePlaceholder);
}

void frmReferFriend::txtEmail_GotFocus()
{
    enterBox(txtEmail, modTellAFriend::EmailPlaceholder);
}

void frmReferFriend::txtMessage_GotFocus()
{
    if (TrimBlanks(messageText()) == modTellAFriend::MessagePlaceholder)
        setMessageText(QString());
}

void frmReferFriend::txtFriendName_GotFocus()
{
    enterBox(txtFriendName, modTellAFriend::FriendNamePlaceholder);
}

void frmReferFriend::txtFriendEmail_GotFocus()
{
    enterBox(txtFriendEmail, modTellAFriend::FriendEmailPlaceholder);
}

void frmReferFriend::txtName_LostFocus()
{
    leaveBox(txtName, modTellAFriend::NamePlaceholder);
}

void frmReferFriend::txtEmail_LostFocus()
{
    leaveBox(txtEmail, modTellAFriend::EmailPlaceholder);
}

void frmReferFriend::txtMessage_LostFocus()
{
    if (TrimBlanks(messageText()).isEmpty())
        setMessageText(modTellAFriend::MessagePlaceholder);
}

void frmReferFriend::txtFriendName_LostFocus()
{
    leaveBox(txtFriendName, modTellAFriend::FriendNamePlaceholder);
}

void frmReferFriend::txtFriendEmail_LostFocus()
{
    leaveBox(txtFriendEmail, modTellAFriend::FriendEmailPlaceholder);
}

void frmReferFriend::refuseBlank(QWidget* box, std::int16_t& KeyAscii)
{
    if (KeyAscii != 32)
        return;
    program_.services.messages.show(QStringLiteral("Email Address Cannot Contain Space"),
                                    MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
    KeyAscii = 0;
    box->setFocus();
}

void frmReferFriend::txtEmail_KeyPress(std::int16_t& KeyAscii)
{
    refuseBlank(txtEmail, KeyAscii);
}

void frmReferFriend::txtFriendEmail_KeyPress(std::int16_t& KeyAscii)
{
    refuseBlank(txtFriendEmail, KeyAscii);
}

QString frmReferFriend::messageText() const
{
    QString text = txtMessage->toPlainText();
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

void frmReferFriend::setMessageText(const QString& text)
{
    QString lines = text;
    txtMessage->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmReferFriend::focusMoved(QObject* box, bool entering)
{
    if (box == txtName)
        entering ? txtName_GotFocus() : txtName_LostFocus();
    else if (box == txtEmail)
        entering ? txtEmail_GotFocus() : txtEmail_LostFocus();
    else if (box == txtMessage)
        entering ? txtMessage_GotFocus() : txtMessage_LostFocus();
    else if (box == txtFriendName)
        entering ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
    else if (box == txtFriendEmail)
        entering ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
}

void frmReferFriend::enterPendingBox()
{
    QWidget* box = std::exchange(entering_, nullptr);
    if (box && box->hasFocus())
        focusMoved(box, true);
}

bool frmReferFriend::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A key typed before the entry below has run goes into the entered box.
    if ((type == QEvent::KeyPress || type == QEvent::InputMethod) && watched == entering_)
        enterPendingBox();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return Form::eventFilter(watched, event);
    // Only moves between the window's own controls count, not the window
    // losing or regaining the focus as a whole (say, to a message box).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return Form::eventFilter(watched, event);
    // Qt tells screen readers about the new focus only after this event. A box
    // emptied here would send its caret news first, which Orca takes for the
    // move, and it would then say nothing of the box. So a box is entered once
    // the move is over, and only if it still has the focus by then.
    if (type == QEvent::FocusIn) {
        entering_ = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(this, &frmReferFriend::enterPendingBox, Qt::QueuedConnection);
    } else {
        focusMoved(watched, false);
    }
    return Form::eventFilter(watched, event);
}
