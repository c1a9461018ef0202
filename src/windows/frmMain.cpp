#include "frmMain.h"

#include "BirthData.h"
#include "KeyPressFilter.h"
#include "ProgramWindows.h"
#include "ResumeNext.h"
#include "SignReadings.h"
#include "SiteChrome.h"
#include "WindowTexts.h"
#include "frmDisplay.h"
#include "modHelp.h"
#include "modPlanetSign.h"

#include <QMenuBar>
#include <QShortcut>

using forms::FontStyle;
using forms::Label;
using platform::MessageBoxes;

namespace
{

using sitechrome::ButtonFace;
using sitechrome::DarkStrip;
using sitechrome::Purple;
using sitechrome::SkyBlue;

const QColor Black(0, 0, 0);

const Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;
const Qt::Alignment LeftAligned = Qt::AlignLeft | Qt::AlignTop;

const QStringList MonthNames = {
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
};

QStringList numbers(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        texts.append(QString::number(n));
    return texts;
}

QFont inputFont()
{
    return forms::verdana(8.25, FontStyle::Bold);
}

// The input fields: purple bold text on the window's blue.
template <class Field> Field* inputField(Field* field)
{
    field->setFont(inputFont()); // no change for a list built in it
    forms::setBackground(field, SkyBlue);
    forms::setTextColour(field, Purple);
    return field;
}

// A caption of the input panel: black, one line, as large as its text.
Label* caption(QWidget* panel, forms::Place place, const QString& text, FontStyle style)
{
    return forms::makeLabel(panel, place, text, forms::verdana(8.25, style), Black,
                            Label::Sizing::FitText);
}

// The birth date as the sign lookup reads it: the texts of the three lists.
class ListTexts : public modPlanetSign::BirthDateTexts
{
public:
    ListTexts(const QComboBox* year, const QComboBox* month, const QComboBox* day)
        : year_(year), month_(month), day_(day)
    {
    }
    std::string yearText() const override { return year_->currentText().toStdString(); }
    std::string monthText() const override { return month_->currentText().toStdString(); }
    std::string dayText() const override { return day_->currentText().toStdString(); }

private:
    const QComboBox* year_;
    const QComboBox* month_;
    const QComboBox* day_;
};

} // namespace

frmMain::frmMain(ProgramWindows& program)
    : Form(Frame::FixedSingle, 7485, 5910, SkyBlue), program_(program)
{
    buildControls();
    buildMenus();
}

void frmMain::buildControls()
{
    QWidget* client = clientArea();

    Frame2 = forms::makePanel(client, {0, 0, 7500, 855}, DarkStrip);
    Label61 = sitechrome::makeBanner(Frame2, {150, 240, 7185, 555});

    Frame1 = forms::makePanel(client, {0, 840, 7500, 4215}, SkyBlue);
    // The input panel draws no border and takes no focus of its own.
    Picture1 = forms::makePanel(Frame1, {735, 1560, 6015, 1575}, SkyBlue);
    Picture1->setFocusPolicy(Qt::NoFocus);

    cboMonth = inputField(forms::makeList(Picture1, {2760, 960, 1500, 315}, inputFont()));
    txtName = inputField(forms::makeTextBox(Picture1, {1680, 240, 3735, 375}, QString()));
    cboDate = inputField(forms::makeList(Picture1, {1680, 960, 900, 315}, inputFont()));
    cboYear = inputField(forms::makeList(Picture1, {4440, 960, 1020, 315}, inputFont()));

    Label7 =
        caption(Picture1, {3240, 720, 510, 195}, QStringLiteral("Month"), FontStyle::Underline);
    Label2 = caption(Picture1, {240, 1020, 1245, 195}, QStringLiteral("Date Of Birth"),
                     FontStyle::BoldUnderline);
    Label1 =
        caption(Picture1, {240, 330, 555, 195}, QStringLiteral("Name"), FontStyle::BoldUnderline);
    Label5 = caption(Picture1, {1920, 720, 405, 195}, QStringLiteral("Date"), FontStyle::Underline);
    Label6 = caption(Picture1, {4680, 720, 390, 195}, QStringLiteral("Year"), FontStyle::Underline);

    cmdNext = forms::makeButton(Frame1, {735, 3360, 6015, 615},
                                QStringLiteral("Find My &Zorivi Astrology Sign"),
                                forms::verdana(9, FontStyle::Bold), ButtonFace);
    Label3 = forms::makeLabel(Frame1, {240, 240, 7095, 1215}, windowtext::Description,
                              forms::verdana(8.25, FontStyle::Bold), Purple, Label::Sizing::Wrap,
                              Centred);

    Frame5 = forms::makePanel(client, {0, 5040, 7500, 855}, DarkStrip);
    cmdExit = forms::makeButton(Frame5, {6000, 240, 1260, 465}, QStringLiteral("&Exit"),
                                forms::verdana(8.25, FontStyle::Bold), ButtonFace);
    lblFullBrand = sitechrome::makeOffer(Frame5, {120, 165, 5745, 615}, windowtext::FullBrandOffer,
                                         LeftAligned);
    // Lies in front of lblFullBrand until the start-up decides otherwise.
    lblCobrand =
        sitechrome::makeOffer(Frame5, {120, 160, 5745, 615}, windowtext::CoBrandOffer, LeftAligned);

    // For assistive tools the name box is named by its caption; a list is named
    // by its entry and labelled by the caption above it.
    txtName->setAccessibleName(QStringLiteral("Name"));
    Label5->setBuddy(cboDate);
    Label7->setBuddy(cboMonth);
    Label6->setBuddy(cboYear);
    txtName->setAccessibleDescription(QStringLiteral("Your name, in letters"));
    cboDate->setAccessibleDescription(QStringLiteral("Day of birth"));
    cboMonth->setAccessibleDescription(QStringLiteral("Month of birth"));
    cboYear->setAccessibleDescription(QStringLiteral("Year of birth, 1900 to 2012"));
    cmdNext->setAccessibleDescription(QStringLiteral("Shows the Zorivi sign of your birth date"));
    setAccessibleDescription(QStringLiteral("Find your Zorivi sign"));

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
    // The name box has the focus when the window opens.
    txtName->setFocus();

    // Enter outside the find button, and Esc, press Exit.
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    // Alt+V starts the search too, besides the access letter of the caption.
    auto* findKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_V), this);
    connect(findKey, &QShortcut::activated, cmdNext, &QPushButton::click);

    forms::onKeyPress(txtName, [this](std::int16_t& KeyAscii) { txtName_KeyPress(KeyAscii); });

    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(Label61, &Label::clicked, this, &frmMain::Label61_Click);
    connect(lblFullBrand, &Label::clicked, this, &frmMain::lblFullBrand_Click);
    connect(lblCobrand, &Label::clicked, this, &frmMain::lblCobrand_Click);
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFindPowerSign = mnuFile->addAction(QStringLiteral("Find My &Zorivi Astrology Sign"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));

    const sitechrome::HelpMenu help =
        sitechrome::addHelpMenu(bar, QStringLiteral("Check for Software &Update"));
    mnuHelp = help.menu;
    mnuOnline = help.online;
    mnuVisit = help.visit;
    mnuHelp1 = help.separator1;
    mnuUpdate = help.update;
    mnuHelp2 = help.separator2;
    mnuAbout = help.about;

    const sitechrome::BarCommands commands = sitechrome::addBarCommands(bar);
    mnuDonate = commands.donate;
    mnuMakeMoneyOnline = commands.makeMoneyOnline;

    const std::pair<QAction*, void (frmMain::*)()> handlers[] = {
        {mnuFindPowerSign, &frmMain::mnuFindPowerSign_Click},
        {mnuExit, &frmMain::mnuExit_Click},
        {mnuOnline, &frmMain::mnuOnline_Click},
        {mnuVisit, &frmMain::mnuVisit_Click},
        {mnuUpdate, &frmMain::mnuUpdate_Click},
        {mnuAbout, &frmMain::mnuAbout_Click},
        {mnuDonate, &frmMain::mnuDonate_Click},
        {mnuMakeMoneyOnline, &frmMain::mnuMakeMoneyOnline_Click},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
}

void frmMain::Form_Load()
{
    // Whole lists at once: one model insertion each instead of one per item.
    cboDate->addItems(numbers(1, 31));
    cboMonth->addItems(MonthNames);
    cboYear->addItems(numbers(1900, 2012));
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::Form_Unload(std::int16_t& Cancel)
{
    // The close rule brings up the refer-a-friend window; closing is never refused.
    sitechrome::RunCloseRule(program_);
    Cancel = 0;
}

void frmMain::txtName_KeyPress(std::int16_t& KeyAscii)
{
    const birthdata::NameKey key = birthdata::FilterNameKey(KeyAscii);
    if (key.refused)
        program_.services.messages.show(QString::fromUtf8(birthdata::OnlyLettersMessage),
                                        MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    KeyAscii = key.code;
}

bool frmMain::ValidateBirthData()
{
    const birthdata::Verdict verdict =
        birthdata::CheckBirthData(txtName->text().toStdString(), cboDate->currentIndex(),
                                  cboMonth->currentIndex(), cboYear->currentText().toInt());
    if (verdict.ok)
        return true;
    program_.services.messages.show(QString::fromUtf8(verdict.message),
                                    MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    if (verdict.focusName)
        txtName->setFocus();
    return false;
}

void frmMain::cmdNext_Click()
{
    bool valid = false;
    forms::ResumeNext([this, &valid] { valid = ValidateBirthData(); });
    if (!valid)
        return;

    ProgramWindows& program = program_;
    const ListTexts date(cboYear, cboMonth, cboDate);
    forms::ResumeNext([&date] { modPlanetSign::FindDudizuSign(date); },
                      [&program] {
                          // A name that is no sign leaves the reading as it was.
                          const auto reading = GetSignReading(modPlanetSign::CurrentSign);
                          if (reading)
                              program.frmDisplay.as<frmDisplay>().lblSignDesc->setCaption(
                                  QString::fromUtf8(reading->data(), qsizetype(reading->size())));
                      },
                      [&program] {
                          program.frmDisplay.as<frmDisplay>().lblDudizuSign->setCaption(
                              QString::fromStdString(modPlanetSign::CurrentSign));
                      },
                      // Hidden, not unloaded: the name and the date stay for the next search.
                      [&program] { program.frmMain.hide(); },
                      [&program] { program.frmReferFriend.hide(); },
                      [&program] { program.frmDisplay.show(); });
}

void frmMain::mnuFindPowerSign_Click()
{
    cmdNext_Click();
}

void frmMain::cmdExit_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmMain.unload(); });
}

void frmMain::mnuExit_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmMain.unload(); });
}

void frmMain::mnuAbout_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmAbout.showModal(); });
}

void frmMain::Label61_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenHomePage);
}

void frmMain::mnuVisit_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenHomePage);
}

void frmMain::lblCobrand_Click()
{
    modHelp::OpenCoBrandPage(program_.services.browser);
}

void frmMain::lblFullBrand_Click()
{
    modHelp::OpenFullBrandPage(program_.services.browser);
}

void frmMain::mnuMakeMoneyOnline_Click()
{
    modHelp::OpenFullBrandPage(program_.services.browser);
}

void frmMain::mnuOnline_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenOnlineHelp);
}

void frmMain::mnuUpdate_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenDownloadPage);
}

void frmMain::mnuDonate_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenDonatePage);
}
