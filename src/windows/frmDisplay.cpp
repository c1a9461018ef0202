#include "frmDisplay.h"

#include "Program.h"
#include "ResumeNext.h"
#include "WindowTexts.h"
#include "modHelp.h"

#include <QMenuBar>

using forms::FontStyle;
using forms::Label;

namespace
{

const QColor SkyBlue(62, 189, 238);
const QColor DarkStrip(64, 64, 64);
const QColor ButtonFace(128, 128, 128);
const QColor LinkOrange(255, 128, 0);
const QColor Purple(128, 0, 128);
const QColor White(255, 255, 255);

const Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;

const QString FirstReading = QStringLiteral(
    "This is an idealistic combination and you shall be able to approach issues with a neutral "
    "attitude. You will have a sense of vision accompanied by imagination and innovativeness. You "
    "have a humane nature. But be careful not to make excuses when you are needed.");

// A link label of the bottom strip: orange on the strip's own dark grey.
Label* makeOffer(QWidget* strip, const QString& caption)
{
    Label* offer =
        forms::makeLinkLabel(strip, {255, 160, 6945, 615}, caption,
                             forms::verdana(8.25, FontStyle::BoldUnderline), LinkOrange, Centred);
    forms::setBackground(offer, DarkStrip);
    return offer;
}

} // namespace

frmDisplay::frmDisplay(Program& program)
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
    Label61 =
        forms::makeLinkLabel(Frame2, {120, 240, 7200, 465}, windowtext::discussionBoardAdvert(),
                             forms::verdana(9, FontStyle::BoldUnderline), LinkOrange, Centred);

    Frame5 = forms::makePanel(client, {0, 4680, 7455, 855}, DarkStrip);
    lblFullBrand = makeOffer(Frame5, windowtext::FullBrandOffer);
    lblCobrand = makeOffer(Frame5, windowtext::CoBrandOffer);

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

void frmDisplay::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFileBack = mnuFile->addAction(QStringLiteral("&Back"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuOnline = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuVisit = mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    mnuFileSep1 = mnuHelp->addSeparator();
    mnuUpdate = mnuHelp->addAction(QStringLiteral("&Check for Software Update"));
    mnuFileSep2 = mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));

    // Two commands straight on the bar; the second is never shown.
    mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    mnuMakeMoneyOnline = bar->addAction(QStringLiteral("Make Money &Online"));
    mnuMakeMoneyOnline->setVisible(false);

    const std::pair<QAction*, void (frmDisplay::*)()> commands[] = {
        {mnuFileBack, &frmDisplay::mnuFileBack_Click},
        {mnuExit, &frmDisplay::mnuExit_Click},
        {mnuOnline, &frmDisplay::mnuOnline_Click},
        {mnuVisit, &frmDisplay::mnuVisit_Click},
        {mnuUpdate, &frmDisplay::mnuUpdate_Click},
        {mnuAbout, &frmDisplay::mnuAbout_Click},
        {mnuDonate, &frmDisplay::mnuDonate_Click},
        {mnuMakeMoneyOnline, &frmDisplay::mnuMakeMoneyOnline_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
}

void frmDisplay::cmdBack_Click()
{
    // Unloading this window runs the close rule, which shows frmReferFriend;
    // the main window comes back and frmReferFriend is hidden again.
    Program& program = program_;
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
    Program& program = program_;
    forms::ResumeNext([&program] { program.frmDisplay.unload(); });
}

void frmDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

void frmDisplay::mnuAbout_Click()
{
    Program& program = program_;
    forms::ResumeNext([&program] { program.frmAbout.showModal(); });
}

void frmDisplay::Label61_Click()
{
    openPage(modHelp::OpenHomePage);
}

void frmDisplay::mnuVisit_Click()
{
    openPage(modHelp::OpenHomePage);
}

void frmDisplay::lblCobrand_Click()
{
    openPage(modHelp::OpenCoBrandPage);
}

void frmDisplay::lblFullBrand_Click()
{
    openPage(modHelp::OpenFullBrandPage);
}

void frmDisplay::mnuMakeMoneyOnline_Click()
{
    openPage(modHelp::OpenFullBrandPage);
}

void frmDisplay::mnuOnline_Click()
{
    openPage(modHelp::OpenOnlineHelp);
}

void frmDisplay::mnuUpdate_Click()
{
    openPage(modHelp::OpenDownloadPage);
}

void frmDisplay::mnuDonate_Click()
{
    openPage(modHelp::OpenDonatePage);
}

void frmDisplay::openPage(void (*open)(platform::Browser&))
{
    platform::Browser& browser = program_.services.browser;
    forms::ResumeNext([&browser, open] { open(browser); });
}

void frmDisplay::Form_Unload(std::int16_t& Cancel)
{
    // The close rule brings up the refer-a-friend window; closing is never refused.
    Program& program = program_;
    forms::ResumeNext([&program] {
        if (program.closeRule)
            program.closeRule();
    });
    Cancel = 0;
}
