// A long session: 10,000 searches (or as many as the argument says), each followed by Back,
// in-process through the program's own buttons, with the resident memory printed every 1,000. After
// the first 1,000, which fill Qt's caches, the target is less than 1 MiB more over the remaining
// 9,000.

#include "FindAndBack.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace
{

constexpr int Every = 1000;

// The resident set in KiB, from the second field of /proc/self/statm (in pages).
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::useQuietPlatform();
    QApplication app(argc, argv);
    // Another number of cycles may be given, for a shorter run under a heap profiler.
    const int cycles = argc > 1 ? std::max(Every, std::atoi(argv[1])) : 10 * Every;
    bench::StartedProgram started;
    Program& program = started.program;

    std::printf("%d find-and-Back cycles, %s\n  cycles  resident\n", cycles,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("%8d  %6.1f MiB\n", 0, double(residentKiB()) / 1024);
    long afterFirst = 0;
    for (int i = 1; i <= cycles; ++i) {
        bench::pickDate(program, i);
        if (!bench::find(program) || !bench::back(program)) {
            std::fprintf(stderr, "bench_soak: cycle %d did not reach its window\n", i);
            return 1;
        }
        if (i % Every == 0) {
            const long now = residentKiB();
            std::printf("%8d  %6.1f MiB\n", i, double(now) / 1024);
            std::fflush(stdout);
            if (i == Every)
                afterFirst = now;
        }
    }
    const double grown = double(residentKiB() - afterFirst) / 1024;
    std::printf("grown after the first %d: %.2f MiB (target: under 1 MiB)%s\n", Every, grown,
                grown < 1 ? "" : "  over target");
    return 0;
}
