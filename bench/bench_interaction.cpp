// Times the two everyday interactions in-process on the offscreen platform:
// the find command, from the click until the result window is shown with its
// texts, and Back, until the main window is shown again. Each includes the
// events the click leaves behind (painting, deferred deletes), as the event
// loop would run them right after. Besides the wall time it reports the
// thread's CPU time, which a busy machine does not inflate by preemption.

#include "FindAndBack.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace
{

constexpr int Repetitions = 1000;
// The first searches load fonts and code; they are run but not counted.
constexpr int WarmUps = 10;

double cpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// One interaction, timed as wall time and as CPU time.
struct Timing {
    QElapsedTimer wall;
    double cpuStart = 0;
    void start()
    {
        cpuStart = cpuMs();
        wall.start();
    }
    std::pair<double, double> elapsed() const
    {
        return {double(wall.nsecsElapsed()) / 1e6, cpuMs() - cpuStart};
    }
};

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    std::printf("%-14s median %6.3f ms  99th percentile %6.3f ms  max %6.3f ms  "
                "(targets: median < 2 ms, 99th < 5 ms)%s\n",
                what, median, p99, ms.back(), median < 2 && p99 < 5 ? "" : "  over target");
}

} // namespace

int main(int argc, char* argv[])
{
    bench::useQuietPlatform();
    QApplication app(argc, argv);
    bench::StartedProgram started;
    Program& program = started.program;
    std::vector<double> find, back, findCpu, backCpu;
    for (int i = 0; i < WarmUps + Repetitions; ++i) {
        bench::pickDate(program, i);
        Timing timer;
        timer.start();
        const bool shown = bench::find(program);
        const auto [findMs, findCpuMs] = timer.elapsed();
        timer.start();
        const bool returned = bench::back(program);
        const auto [backMs, backCpuMs] = timer.elapsed();
        if (!shown || !returned) {
            std::fprintf(stderr, "bench_interaction: repetition %d did not reach its window\n", i);
            return 1;
        }
        if (i >= WarmUps) {
            find.push_back(findMs);
            back.push_back(backMs);
            findCpu.push_back(findCpuMs);
            backCpu.push_back(backCpuMs);
        }
    }
    std::printf("%d repetitions each after %d warm-ups, offscreen\n", Repetitions, WarmUps);
    report("find, wall", find);
    report("find, CPU", findCpu);
    report("Back, wall", back);
    report("Back, CPU", backCpu);
    return 0;
}
