// Renders the program's windows to PNG files, with every platform service
// faked: the main window as it starts, the result window after a search, the
// About window and the refer-a-friend window.
//
// Usage: tolvane_screenshots <output folder>
//        tolvane_screenshots --check <folder>
// With --check it writes nothing: it compares each window with the picture of
// the same name in the folder, pixel by pixel, and fails when one differs.

#include "FakeServices.h"
#include "Program.h"
#include "SetUpProgram.h"
#include "SignReadings.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace
{

bool checking = false;

// The pictures name the Qt that drew them. Drawn by the same Qt, a window must
// match its picture exactly. Another Qt (with its FreeType) may place a line or
// a glyph's edge one pixel over, or smooth it a shade differently; then a pixel
// of one picture counts as shown in the other when that has a pixel of nearly
// its colour (each channel within 8) at the same place or one pixel away. A
// changed text, colour or layout moves more than that. Counted rather than
// compared with QImage's ==, so that a failure says how far the picture is off:
// a few pixels for a changed letter, all for a new size.
const char DrawnBy[] = "Drawn by";

struct Tolerance {
    int reach; // pixels away
    int shade; // per colour channel
};

bool near(QRgb a, QRgb b, int shade)
{
    return std::abs(qRed(a) - qRed(b)) <= shade && std::abs(qGreen(a) - qGreen(b)) <= shade &&
           std::abs(qBlue(a) - qBlue(b)) <= shade;
}

// The pixels of `a` that `b` shows nowhere near their place.
qsizetype unmatched(const QImage& a, const QImage& b, Tolerance within)
{
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool shown = false;
            for (int dy = -within.reach; dy <= within.reach && !shown; ++dy)
                for (int dx = -within.reach; dx <= within.reach && !shown; ++dx)
                    shown = b.valid(x + dx, y + dy) &&
                            near(a.pixel(x, y), b.pixel(x + dx, y + dy), within.shade);
            count += !shown;
        }
    return count;
}

qsizetype differingPixels(const QImage& fresh, const QImage& kept, Tolerance within)
{
    if (fresh.size() != kept.size())
        return fresh.width() * fresh.height();
    const QImage a = fresh.convertToFormat(QImage::Format_RGB32);
    const QImage b = kept.convertToFormat(QImage::Format_RGB32);
    return std::max(unmatched(a, b, within), unmatched(b, a, within));
}

bool save(forms::FormSlot& slot, const QDir& folder, const QString& fileName)
{
    QWidget& window = slot.form();
    QCoreApplication::processEvents();
    const QString path = folder.filePath(fileName);
    QImage picture = window.grab().toImage();
    const QString drawer = QStringLiteral("Qt ") + QLatin1String(qVersion());
    if (checking) {
        const QImage kept(path);
        const bool sameQt = kept.text(DrawnBy) == drawer;
        const qsizetype differ =
            differingPixels(picture, kept, sameQt ? Tolerance{0, 0} : Tolerance{1, 8});
        if (kept.isNull())
            QTextStream(stderr) << QDir::toNativeSeparators(path)
                                << " is missing; `make screenshots` draws it\n";
        else if (differ)
            QTextStream(stderr) << QDir::toNativeSeparators(path) << ": " << differ
                                << " pixels differ from the window now; `make screenshots` "
                                   "draws it anew\n";
        else if (!sameQt)
            QTextStream(stdout) << QDir::toNativeSeparators(path) << " was drawn by "
                                << kept.text(DrawnBy) << ", this is " << drawer
                                << ": compared allowing one pixel's shift and 8 shades\n";
        return differ == 0;
    }
    picture.setText(DrawnBy, drawer);
    const bool saved = picture.save(path);
    QTextStream(saved ? stdout : stderr)
        << (saved ? "wrote " : "could not write ") << QDir::toNativeSeparators(path) << '\n';
    return saved;
}

bool select(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    list->setCurrentIndex(index);
    return index >= 0;
}

// Enters a name and a birth date in the main window and presses its find
// button. False when a list lacks the entry.
bool searchThroughMainWindow(frmMain& main)
{
    main.txtName->setText(QStringLiteral("Alice"));
    if (!select(main.cboDate, QStringLiteral("14")) ||
        !select(main.cboMonth, QStringLiteral("July")) ||
        !select(main.cboYear, QStringLiteral("1985")))
        return false;
    main.cmdNext->click();
    return true;
}

// Writes a result straight into the result window, as the find command does.
void fillResultWindow(Program& program)
{
    auto& display = program.frmDisplay.as<frmDisplay>();
    const QString sign = QStringLiteral("Pisces");
    display.lblDudizuSign->setCaption(sign);
    if (auto reading = GetSignReading(sign.toStdString()); reading && !reading->empty())
        display.lblSignDesc->setCaption(
            QString::fromUtf8(reading->data(), qsizetype(reading->size())));
    program.frmMain.hide();
    program.frmDisplay.show();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    checking = argc > 2 && QByteArray(argv[1]) == "--check";
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[argc - 1]) : QStringLiteral("."));
    if (!checking && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }

    platform::fake::FakeServices fakes;
    Program program{fakes.services};
    SetUpProgram(program);
    bool ok = true;

    program.frmMain.show();
    ok &= save(program.frmMain, folder, QStringLiteral("frmmain.png"));

    const bool searched = searchThroughMainWindow(program.frmMain.as<frmMain>());
    for (const QString& message : fakes.messages.texts())
        QTextStream(stderr) << "main window said: " << message << '\n';
    if (!searched || !program.frmDisplay.isLoaded()) {
        QTextStream(stderr) << "no search through the main window; filling the result directly\n";
        fillResultWindow(program);
    }
    ok &= save(program.frmDisplay, folder, QStringLiteral("frmdisplay.png"));

    // The About window is modal: render it from inside its own event loop.
    QTimer::singleShot(0, &app, [&] {
        ok &= save(program.frmAbout, folder, QStringLiteral("frmabout.png"));
        program.frmAbout.unload();
    });
    program.frmAbout.showModal();

    program.frmReferFriend.show();
    ok &= save(program.frmReferFriend, folder, QStringLiteral("frmreferfriend.png"));

    // Leave without running the windows' unload handlers, which would end the
    // program through the faked exit.
    return ok ? 0 : 1;
}
