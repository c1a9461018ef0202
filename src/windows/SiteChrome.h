#pragma once
// What the main and the result window share: their colours, the link labels of
// the dark strips, the Help menu and the two command entries of the menu bar,
// and the close rule they both run when unloaded.

#include "Controls.h"
#include "Services.h"

#include <QColor>
#include <QMenu>
#include <QMenuBar>

struct ProgramWindows;

namespace sitechrome
{

inline const QColor SkyBlue(62, 189, 238);
inline const QColor DarkStrip(64, 64, 64);
inline const QColor ButtonFace(128, 128, 128);
inline const QColor LinkOrange(255, 128, 0);
inline const QColor Purple(128, 0, 128);

// Label61: the discussion-board advert of the top strip.
forms::Label* makeBanner(QWidget* strip, forms::Place place);
// An offer of the bottom strip: orange on the strip's own grey, so that only
// the offer in front can be seen.
forms::Label* makeOffer(QWidget* strip, forms::Place place, const QString& caption,
                        Qt::Alignment alignment);

struct HelpMenu {
    QMenu* menu;
    QAction* online;
    QAction* visit;
    QAction* separator1;
    QAction* update;
    QAction* separator2;
    QAction* about;
};
// The Help menu; the two windows give the update entry different access letters.
HelpMenu addHelpMenu(QMenuBar* bar, const QString& updateCaption);

struct BarCommands {
    QAction* donate;
    QAction* makeMoneyOnline; // created switched off: never shown
};
BarCommands addBarCommands(QMenuBar* bar);

// Brings up the refer-a-friend window; a failure is skipped.
void RunCloseRule(ProgramWindows& program);

// Hands one of the web pages to the browser, as a handler in resume-next mode does.
void OpenPage(ProgramWindows& program, void (*open)(platform::Browser&));

} // namespace sitechrome
