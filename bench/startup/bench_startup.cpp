// Start-up benchmark: how long Tolvane takes to put its main window on the
// screen, measured from outside against an empty Qt main window (baseline.cpp).
//
// It starts a private Xvfb and, for each run, starts the program with private
// config and runtime folders and waits for the X server to report the first
// top-level window mapped (MapNotify on the root window). At that moment it
// takes the wall time since the fork and the CPU time of all the process's
// threads (/proc/PID/task/*/schedstat); one second later the resident memory
// (VmRSS). Tolvane and the baseline alternate, so load from other work on the
// machine hits both; the order within each pair alternates too.
//
// Usage: bench_startup [--runs N] [--warmups N] [TOLVANE BASELINE]

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Sample {
    double wallMs;
    double cpuMs;
    double rssMiB;
};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what.c_str());
    std::exit(1);
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            int keepFd = -1)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        if (keepFd < 0) {
            // Keep the benchmark's console free of the programs' own chatter.
            const int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
        }
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A private X server on a free display number.
class Xvfb
{
public:
    Xvfb()
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("pipe failed");
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        pid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                      "-nolisten", "tcp", "-noreset"},
                     env, fds[1]);
        close(fds[1]);
        std::string number;
        char c;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            fail("Xvfb did not start (is the xvfb package installed?)");
        display_ = ":" + number;
    }
    ~Xvfb() { stop(pid_); }
    const std::string& display() const { return display_; }

private:
    pid_t pid_;
    std::string display_;
};

// Watches the root window for top-level windows being mapped.
class MapWatch
{
public:
    explicit MapWatch(const std::string& display)
    {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_))
            fail("cannot connect to " + display);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_request_check(connection_, xcb_change_window_attributes_checked(
                                           connection_, root_, XCB_CW_EVENT_MASK, &mask));
    }
    ~MapWatch() { xcb_disconnect(connection_); }

    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    // Waits until a window that is not a pop-up is mapped on the root window.
    bool waitForMap(int timeoutMs)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                bool mapped = false;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    mapped = map->event == root_ && !map->override_redirect;
                }
                std::free(event);
                if (mapped)
                    return true;
            }
            if (xcb_connection_has_error(connection_))
                fail("lost the X connection");
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            poll(&p, 1, int(std::max<long>(1, left.count())));
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

// CPU time used so far by all threads of `pid`, in milliseconds.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    std::error_code error;
    for (const auto& task : fs::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        unsigned long long ns = 0;
        if (in >> ns)
            total += double(ns) / 1e6;
    }
    return total;
}

double rssMiB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> env;
    std::vector<Sample> samples;
};

std::vector<std::string> privateEnvironment(const std::string& display, const fs::path& home)
{
    static const std::array<const char*, 8> replaced = {
        "DISPLAY=",         "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "HOME=",
        "XDG_CONFIG_HOME=", "XDG_CACHE_HOME=",  "XDG_DATA_HOME=",   "XDG_RUNTIME_DIR="};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (std::none_of(replaced.begin(), replaced.end(),
                         [&](const char* prefix) { return entry.rfind(prefix, 0) == 0; }))
            env.push_back(entry);
    }
    for (const char* folder : {"config", "cache", "data", "runtime"})
        fs::create_directories(home / folder);
    fs::permissions(home / "runtime", fs::perms::owner_all);
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    env.push_back("XDG_CACHE_HOME=" + (home / "cache").string());
    env.push_back("XDG_DATA_HOME=" + (home / "data").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    return env;
}

Sample runOnce(Program& program, MapWatch& watch)
{
    watch.drain();
    const auto start = Clock::now();
    const pid_t pid = spawn({program.path}, program.env);
    if (!watch.waitForMap(20000)) {
        stop(pid);
        fail(program.name + " mapped no window within 20 s");
    }
    Sample sample;
    sample.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    sample.cpuMs = cpuMs(pid);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    sample.rssMiB = rssMiB(pid);
    stop(pid);
    return sample;
}

std::array<double, 3> minMedianMax(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

template <class Field> std::vector<double> column(const Program& program, Field field)
{
    std::vector<double> values;
    for (const Sample& s : program.samples)
        values.push_back(s.*field);
    return values;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    int warmups = 2;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--warmups" && i + 1 < argc)
            warmups = std::max(0, std::atoi(argv[++i]));
        else
            paths.push_back(arg);
    }
    if (paths.empty())
        paths = {TOLVANE_EXECUTABLE, BASELINE_EXECUTABLE};
    if (paths.size() != 2)
        fail("usage: bench_startup [--runs N] [--warmups N] [TOLVANE BASELINE]");

    char pattern[] = "/tmp/tolvane-startup-XXXXXX";
    if (!mkdtemp(pattern))
        fail("cannot make a temporary folder");
    const fs::path scratch = pattern;

    const std::string loadBefore = loadAverage();
    Xvfb server;
    MapWatch watch(server.display());
    std::array<Program, 2> programs{Program{"Tolvane", paths[0], {}, {}},
                                    Program{"Baseline", paths[1], {}, {}}};
    for (Program& p : programs)
        p.env = privateEnvironment(server.display(), scratch / p.name);

    for (int i = 0; i < warmups + runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            Program& program = programs[(i + k) % 2];
            const Sample sample = runOnce(program, watch);
            if (i >= warmups)
                program.samples.push_back(sample);
        }
    }
    fs::remove_all(scratch);

    std::printf("Start-up until the main window is mapped: %d runs each after %d warm-ups, "
                "alternating.\nLoad average (1, 5, 15 min) before: %s, after: %s\n\n",
                runs, warmups, loadBefore.c_str(), loadAverage().c_str());
    std::printf("%-9s %-16s %9s %9s %9s\n", "", "", "min", "median", "max");
    const std::array<std::pair<const char*, double Sample::*>, 3> figures = {{
        {"wall time (ms)", &Sample::wallMs},
        {"CPU time (ms)", &Sample::cpuMs},
        {"memory (MiB)", &Sample::rssMiB},
    }};
    for (const Program& p : programs) {
        for (const auto& [label, field] : figures) {
            const auto [low, median, high] = minMedianMax(column(p, field));
            std::printf("%-9s %-16s %9.1f %9.1f %9.1f\n",
                        field == figures[0].second ? p.name.c_str() : "", label, low, median, high);
        }
    }
    std::printf("\nRatio of medians, Tolvane / baseline (target):\n");
    const std::array<double, 3> targets = {1.10, 1.08, 1.06};
    for (size_t f = 0; f < figures.size(); ++f) {
        const double ratio = minMedianMax(column(programs[0], figures[f].second))[1] /
                             minMedianMax(column(programs[1], figures[f].second))[1];
        std::printf("  %-16s %5.3f  (<= %.2f)%s\n", figures[f].first, ratio, targets[f],
                    ratio <= targets[f] ? "" : "  over target");
    }
    return 0;
}
