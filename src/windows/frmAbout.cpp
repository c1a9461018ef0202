#include "frmAbout.h"

#include "ProgramWindows.h"
#include "ProgramIcon.h"
#include "ResumeNext.h"
#include "SiteChrome.h"
#include "WindowTexts.h"
#include "modHelp.h"

#include <QApplication>
#include <QWindow>

using forms::FontStyle;
using forms::Label;

namespace
{

const QColor Rust(192, 64, 0);
const QColor Purple(128, 0, 128);

const QString RightsNotice = QStringLiteral("All rights reserved by Sorrelwick Software.");

} // namespace

frmAbout::frmAbout(ProgramWindows& program)
    : Form(Frame::FixedDialog, 6345, 3960, QColor(62, 189, 238)), program_(program)
{
    QWidget* client = clientArea();
    const QFont linkFont = forms::verdana(8.25, FontStyle::BoldUnderline);

    picIcon = forms::placed(new QLabel(client), {150, 150, 510, 510});
    picIcon->setPixmap(forms::programPicture(32));
    picIcon->setAlignment(Qt::AlignCenter);
    // The picture box keeps the system's window colour behind the icon.
    forms::setBackground(picIcon, QApplication::palette().color(QPalette::Base));

    Label2 = forms::makeLabel(client, {960, 300, 2820, 240}, QStringLiteral("Tolvane v1.0"),
                              forms::verdana(9.75, FontStyle::Bold), Rust, Label::Sizing::FitText);
    Label1 = forms::makeLabel(client, {210, 720, 5985, 1335},
                              windowtext::Description + QLatin1Char(' ') + RightsNotice,
                              forms::verdana(8.25), Purple);
    lblHomePage =
        forms::makeLinkLabel(client, {1560, 2130, 4650, 195},
                             QStringLiteral("Click here to visit us at ") + webaddress::MainSite,
                             linkFont, Rust, Qt::AlignLeft | Qt::AlignTop, Label::Sizing::FitText);
    Label6 = forms::makeLabel(client, {240, 2400, 5775, 675},
                              QStringLiteral("Home Business Opportunity. Start your own Internet "
                                             "business and make money online. Get this software "
                                             "fully branded for your website."),
                              forms::verdana(8.25, FontStyle::Bold), Purple);
    Label5 = forms::makeLinkLabel(client, {3600, 3120, 2610, 195},
                                  QStringLiteral("Click here for more details"), linkFont, Rust,
                                  Qt::AlignLeft | Qt::AlignTop, Label::Sizing::FitText);

    // A one-pixel line across the whole window, in the system's text colour.
    Line2 = forms::placed(new QFrame(client), {-60, 3360, 6420, 15});
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Plain);
    Line2->setLineWidth(1);
    forms::setTextColour(Line2, QApplication::palette().color(QPalette::WindowText));

    cmdOK = forms::makeButton(client, {4920, 3480, 1260, 345}, QStringLiteral("&OK"),
                              forms::verdana(8.25, FontStyle::Bold), QColor(128, 128, 128));
    picIcon->setAccessibleName(QStringLiteral("Tolvane icon"));
    setAccessibleDescription(QStringLiteral("About Tolvane"));
    cmdOK->setFocus();
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &Label::clicked, this, &frmAbout::lblHomePage_Click);
    connect(Label5, &Label::clicked, this, &frmAbout::Label5_Click);
}

void frmAbout::showEvent(QShowEvent* event)
{
    // Stays over the window that opened it and gets no taskbar button of its own.
    // The opener may be unloaded first: the link is dropped with it.
    QWidget* active = QApplication::activeWindow();
    if (active && active != this && windowHandle() && active->windowHandle()) {
        windowHandle()->setTransientParent(active->windowHandle());
        connect(active->windowHandle(), &QObject::destroyed, this, [this] {
            if (windowHandle())
                windowHandle()->setTransientParent(nullptr);
        });
    }
    Form::showEvent(event);
}

void frmAbout::cmdOK_Click()
{
    ProgramWindows& program = program_;
    forms::ResumeNext([&program] { program.frmAbout.unload(); });
}

void frmAbout::lblHomePage_Click()
{
    sitechrome::OpenPage(program_, modHelp::OpenHomePage);
}

void frmAbout::Label5_Click()
{
    modHelp::OpenFullBrandPage(program_.services.browser);
}
