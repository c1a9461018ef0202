#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace forms
{

platform::MessageBoxes::Answer QtMessageBoxes::show(const QString& text, Icon icon, Buttons buttons,
                                                    const QString& title)
{
    // Test hook: tests that start the real program set TOLVANE_MESSAGE_LOG to
    // read its messages on stderr, one line each (line breaks written as \r and
    // \n); the box is then answered with its default button without being shown.
    if (qEnvironmentVariableIsSet("TOLVANE_MESSAGE_LOG")) {
        QString line = text;
        line.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
        std::fprintf(stderr, "message: %s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace forms
