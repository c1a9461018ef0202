// Tolvane as it ships, but each message box is written to stderr as one line
// ("message: " and its text, line breaks as \r and \n) and answered with its
// default button instead of being shown, so that tests can start real copies
// of the program and read what they say.

#include "RunProgram.h"
#include "Services.h"

#include <cstdio>

namespace
{

class LoggedMessageBoxes : public platform::MessageBoxes
{
public:
    Answer show(const QString& text, Icon, Buttons buttons, const QString&) override
    {
        QString line = text;
        line.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
        std::fprintf(stderr, "message: %s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    LoggedMessageBoxes messages;
    return RunProgram(argc, argv, messages);
}
