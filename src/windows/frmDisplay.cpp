#include "frmDisplay.h"

#include "ProgramWindows.h"
#include "ResumeNext.h"
#include "SiteChrome.h"
#include "WindowTexts.h"
#include "modHelp.h"

#include <QMenuBar>

using forms::FontStyle;
using forms::Label;

namespace
{

using sitechrome::ButtonFace;
using sitechrome::DarkStrip;
using sitechrome::Purple;
using sitechrome::SkyBlue;

const QColor White(255, 255, 255);

const Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;

const QString FirstReading = QStringLiteral(
    "This is an idealistic combination and you shall be able to approach issues with a neutral "
    "attitude. You will have a sense of vision accompanied by imagination and innovativeness. You "
    "have a humane nature. But be careful not to make excuses when you are needed.");

} // namespace

frmDisplay::frmDisplay(ProgramWindows& program)
    : Form(Frame::FixedSingle, 7455, 5520, SkyBlue), program_(program)
{
    buildControls();
    buildMenus();
}

void frmDisplay::buildControls()
{
    QWidget* client = clientArea();
    const QFont buttonFont = forms::verdana(8.25, FontStyle::Bold);

    cmdBack = forms::makeButton(client, {1320, 4160, 6135, 465}, QStringLiteral("&Back"),
                                buttonFont, ButtonFace);
    cmdExit = forms::makeButton(client, {0, 4160, 1215, 465}, QStringLiteral("&Exit"), buttonFont,
                                ButtonFace);

    Frame2 = forms::makePanel(client, {0, 0, 7455, 855}, DarkStrip);
    Label61 = sitechrome::makeBanner(Frame2, {120, 240, 7200, 465});

    Frame5 = forms::makePanel(client, {0, 4680, 7455, 855}, DarkStrip);
    // The co-brand offer covers the other one completely.
    lblFullBrand =
        sitechrome::makeOffer(Frame5, {255, 160, 6945, 615}, windowtext::FullBrandOffer, Centred);
    lblCobrand =
        sitechrome::makeOffer(Frame5, {255, 160, 6945, 615}, windowtext::CoBrandOffer, Centred);

    // The panel's caption is not drawn; it names the panel for assistive tools.
    fraPowerSign = forms::makePanel(client, {0, 840, 7455, 3255}, SkyBlue);
    fraPowerSign->setFont(forms::verdana(9, FontStyle::Bold));
    forms::setTextColour(fraPowerSign, Purple);
    fraPowerSign->setAccessibleName(QStringLiteral("Zorivi Astrology Sign"));

    const QFont textFont = forms::verdana(8.25, FontStyle::Bold);
    Label3 = forms::makeLabel(fraPowerSign, {120, 240, 7215, 1215}, windowtext::Description,
                              textFont, Purple, Label::Sizing::Wrap, Centred);
    lblSignDesc = forms::makeLabel(fraPowerSign, {240, 1800, 7095, 1335}, FirstReading, textFont,
                                   Purple, Label::Sizing::Wrap, Centred);
    // Fits its width to the sign's name, keeping its left edge.
    lblDudizuSign = forms::makeLabel(
        fraPowerSign, {3000, 1560, 1320, 210}, QStringLiteral("lblPowerSign"),
        forms::verdana(9, FontStyle::Bold), White, Label::Sizing::FitText, Centred);

    cmdBack->setAccessibleDescription(QStringLiteral("Back to the name and birth date"));

    // Only the two buttons take the focus, Exit first.
    setTabOrder(cmdExit, cmdBack);
    cmdExit->setFocus();
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(Label61, &Label::clicked, this, &frmDisplay::Label61_Click);
    connect(lblFullBrand, &Label::clicked, this, &frmDisplay::lblFullBrand_Click);
    connect(lblCobrand, &Label::clicked, this, &frmDisplay::lblCobrand_Click);
}

void frmDisplay::showEvent(QShowEvent* event)
{
    // A screen reader speaks the description of a window that opens, so the
    // result is heard at once while the focus stays on Exit.
    const QString sign = forms::displayText(lblDudizuSign->caption());
    const QString reading = forms::displayText(lblSignDesc->caption());
    setAccessibleDescription(
        sign.isEmpty() ? reading : QStringLiteral("Your Zorivi sign is %1. %2").arg(sign, reading));
    Form::showEvent(event);
}

void frmDisplay::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFileBack = mnuFile->addAction(QStringLiteral("&Back"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));

    const sitechrome::HelpMenu help =
        sitechrome::addHelpMenu(bar, QStringLiteral("&Check for Software Update"));
    mnuHelp = help.menu;
    mnuOnline = help.online;
    mnuVisit = help.visit;
    mnuFileSep1 = help.separator1;
    mnuUpdate = help.update;
    mnuFileSep2 = help.separator2;
    mnuAbout = help.about;

    const sitechrome::BarCommands commands = sitechrome::addBarCommands(bar);
    mnuDonate = commands.donate;
    mnuMakeMoneyOnline = commands.makeMoneyOnline;

    const std::pair<QAction*, void (frmDisplay::*)()> handlers[] = {
        {mnuFileBack, &frmDisplay::mnuFileBack_Click},
        {mnuExit, &frmDisplay::mnuExit_Click},
        {mnuOnline, &frmDisplay::mnuOnline_Click},
        {mnuVisit, &frmDisplay::mnuVisit_Click},
        {mnuUpdate, &frmDisplay::mnuUpdate_Click},
        {mnuAbout, &frmDisplay::mnuAbout_Click},
        {mnuDonate, &frmDisplay::mnuDonate_Click},
        {mnuMakeMoneyOnline, &frmDisplay::mnuMakeMoneyOnline_Click},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
}

void frmDisplay::cmdBack_Click()
{
    // Unloading this window runs the close rule, which shows frmReferFriend;
    // the main window comes back and frmReferFriend is hidden again.
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmDisplay.unload(); },
                      [&program] { program.frmMain.show(); },
                      [&program] { program.frmReferFriend.hide(); });
}

void frmDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::cmdExit_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmDisplay.unload(); });
}

void frmDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

void frmDisplay::mnuAbout_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmAbout.showModal(); });
}

void frmDisplay::Label61_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenHomePage);
}

void frmDisplay::mnuVisit_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenHomePage);
}

void frmDisplay::lblCobrand_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenCoBrandPage);
}

void frmDisplay::lblFullBrand_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenFullBrandPage);
}

void frmDisplay::mnuMakeMoneyOnline_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenFullBrandPage);
}

void frmDisplay::mnuOnline_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenOnlineHelp);
}

void frmDisplay::mnuUpdate_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenDownloadPage);
}

void frmDisplay::mnuDonate_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenDonatePage);
}

void frmDisplay::Form_Unload(std::int16_t& Cancel)
{
    // The close rule brings up the refer-a-friend window; closing is never refused.
    sitechrome::RunCloseRule(program_);
    Cancel = 0;
}
