#include "SystemServices.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include "win/ShellOpen.h"
#endif

namespace platform
{

void DesktopBrowser::open(const QString& address)
{
#ifdef Q_OS_WIN
    win::shellOpen(address.toLocal8Bit().constData());
#else
    // The address goes over as one argument of the desktop's opener; nothing is
    // passed through a shell. The outcome is not reported.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
#endif
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

quint32 SystemClock::seedValue()
{
    return quint32(QDateTime::currentMSecsSinceEpoch());
}

void MersenneRandom::seed(quint32 value)
{
    engine_.seed(value);
}

float MersenneRandom::next()
{
    // 24 random bits over 2^24: exactly representable, so never rounds up to 1.
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

void ImmediateExit::end()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace platform
