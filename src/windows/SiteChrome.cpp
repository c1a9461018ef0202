#include "SiteChrome.h"

#include "ProgramWindows.h"
#include "ResumeNext.h"
#include "WindowTexts.h"

namespace sitechrome
{

forms::Label* makeBanner(QWidget* strip, forms::Place place)
{
    return forms::makeLinkLabel(strip, place, windowtext::discussionBoardAdvert(),
                                forms::verdana(9, forms::FontStyle::BoldUnderline), LinkOrange,
                                Qt::AlignHCenter | Qt::AlignTop);
}

forms::Label* makeOffer(QWidget* strip, forms::Place place, const QString& caption,
                        Qt::Alignment alignment)
{
    forms::Label* offer = forms::makeLinkLabel(
        strip, place, caption, forms::verdana(8.25, forms::FontStyle::BoldUnderline), LinkOrange,
        alignment);
    forms::setBackground(offer, DarkStrip);
    forms::setTextColour(offer, LinkOrange);
    return offer;
}

HelpMenu addHelpMenu(QMenuBar* bar, const QString& updateCaption)
{
    HelpMenu help{};
    help.menu = bar->addMenu(QStringLiteral("&Help"));
    help.online = help.menu->addAction(QStringLiteral("&Online Help"));
    help.visit = help.menu->addAction(QStringLiteral("&Visit Us Online"));
    help.separator1 = help.menu->addSeparator();
    help.update = help.menu->addAction(updateCaption);
    help.separator2 = help.menu->addSeparator();
    help.about = help.menu->addAction(QStringLiteral("&About Software"));
    return help;
}

BarCommands addBarCommands(QMenuBar* bar)
{
    BarCommands commands{};
    commands.donate = bar->addAction(QStringLiteral("&Donate"));
    commands.makeMoneyOnline = bar->addAction(QStringLiteral("Make Money &Online"));
    commands.makeMoneyOnline->setVisible(false);
    return commands;
}

void RunCloseRule(ProgramWindows& program)
{
    forms::ResumeNext([&program] {
        if (program.closeRule)
            program.closeRule();
    });
}

void OpenPage(ProgramWindows& program, void (*open)(platform::Browser&))
{
    platform::Browser& browser = program.services.browser;
    forms::ResumeNext([&browser, open] { open(browser); });
}

} // namespace sitechrome
