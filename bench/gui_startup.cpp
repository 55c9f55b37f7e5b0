// The real program from process start to its first painted frame on an X server, and the
// peak memory it has used by then, beside a bare Qt Widgets program with an empty window of the
// same size timed the same way. A private Xvfb is started when no display is set.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A program lies beside the benchmark or one folder up (build/velantra, build/bench/...).
fs::path program_path(const char* name) {
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    for (const fs::path& candidate : {here / name, here.parent_path() / name})
        if (fs::exists(candidate)) return candidate;
    return {};
}

// Output goes to /dev/null: a child that kept our stdout would hold a reader of it open.
pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extra_env) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env_strings(extra_env);
    for (char** e = environ; *e != nullptr; ++e) env_strings.emplace_back(*e);
    std::vector<char*> envp;
    envp.reserve(env_strings.size() + 1);
    for (std::string& e : env_strings) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed != 0 ? -1 : pid;
}

// Ends the child and returns the processor time it has used, in seconds.
double stop(pid_t pid) {
    if (pid <= 0) return 0;
    kill(pid, SIGKILL);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A display for the whole benchmark run: the user's, or a private Xvfb with a black root
// so that an unpainted window reads as black.
struct XServer {
    pid_t xvfb = -1;
    std::string name;
    XServer() {
        if (const char* d = std::getenv("DISPLAY"); d != nullptr && *d != '\0') {
            name = d;
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) return;
        xvfb = spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]), "-br", "-screen", "0",
                      "1280x800x24", "-nolisten", "tcp"},
                     {});
        close(fds[1]);
        pollfd p{fds[0], POLLIN, 0};
        char buf[16] = {};
        if (poll(&p, 1, 10000) == 1 && read(fds[0], buf, sizeof buf - 1) > 0)
            name = ":" + std::string(buf).substr(0, std::string(buf).find('\n'));
        close(fds[0]);
    }
    ~XServer() { stop(xvfb); }
};

int ignore_errors(Display*, XErrorEvent*) { return 0; }

// Waits for the program's top-level window to be mapped and then for a pixel of its
// picture (the white upper medium, the baseline's white client area) to be painted; false on
// timeout.
bool wait_first_frame(Display* dpy, Clock::time_point deadline) {
    Window shown = 0;
    while (shown == 0) {
        while (XPending(dpy) > 0) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == MapNotify) shown = e.xmap.window;
        }
        if (shown != 0) break;
        if (Clock::now() > deadline) return false;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, 5);
    }
    while (Clock::now() < deadline) {
        if (XImage* img = XGetImage(dpy, shown, 100, 60, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(img, 0, 0);
            XDestroyImage(img);
            if ((pixel & 0xFFFFFF) == 0xFFFFFF) return true;
        }
        usleep(500);
    }
    return false;
}

long peak_rss_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// One display for the whole run, stopped at exit: the programs started on it are gone by then.
struct Screen {
    XServer server;
    Display* dpy = server.name.empty() ? nullptr : XOpenDisplay(server.name.c_str());
    Screen() {
        if (dpy == nullptr) return;
        XSetErrorHandler(ignore_errors);
        XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    }
    ~Screen() {
        if (dpy != nullptr) XCloseDisplay(dpy);
    }
};

struct Start {
    double seconds = 0;
    double peak_mib = 0;
    double cpu_seconds = 0;
    std::string error;
};

// One start of the named program to its first frame.
Start start_once(const char* name) {
    static Screen screen;
    const fs::path program = program_path(name);
    if (program.empty()) return {.error = std::string(name) + " is not built"};
    if (screen.dpy == nullptr) return {.error = "no X server (Xvfb)"};
    const std::vector<std::string> env{"DISPLAY=" + screen.server.name, "QT_QPA_PLATFORM=xcb"};
    XSync(screen.dpy, True);  // drop the events of the previous start
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawn({program.string()}, env);
    const bool painted = wait_first_frame(screen.dpy, start + std::chrono::seconds(20));
    const Clock::time_point end = Clock::now();
    const double peak_mib = static_cast<double>(peak_rss_kib(pid)) / 1024.0;
    const double cpu_seconds = stop(pid);
    if (!painted) return {.error = std::string(name) + " did not paint within 20 s"};
    return {std::chrono::duration<double>(end - start).count(), peak_mib, cpu_seconds, {}};
}

void report(benchmark::State& state, const Start& s) {
    for (auto _ : state) {
        if (!s.error.empty()) {
            state.SkipWithError(s.error.c_str());
            break;
        }
        state.SetIterationTime(s.seconds);
    }
    state.counters["peak_rss_MiB"] = s.peak_mib;
    // The program's own processor time to its first frame (and the few ms until it is stopped),
    // which a loaded machine stretches less than the wall time.
    state.counters["child_cpu_ms"] = s.cpu_seconds * 1000;
}

// The load of a shared machine changes within seconds, so the bare Qt program starts in turn
// with the real one, first every other time, and its row reports those starts.
std::vector<Start> bare_starts;
std::size_t bare_reported = 0;

void BM_StartToFirstFrame(benchmark::State& state) {
    Start real;
    if (bare_starts.size() % 2 == 0) {
        bare_starts.push_back(start_once("velantra_qt_baseline"));
        real = start_once("velantra");
    } else {
        real = start_once("velantra");
        bare_starts.push_back(start_once("velantra_qt_baseline"));
    }
    report(state, real);
}

void BM_StartToFirstFrameBareQt(benchmark::State& state) {
    report(state, bare_reported < bare_starts.size() ? bare_starts[bare_reported++]
                                                     : start_once("velantra_qt_baseline"));
}

// Single starts scatter with the load, so each row is the median of single starts.
void single_starts(benchmark::internal::Benchmark* b) {
    b->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
}
BENCHMARK(BM_StartToFirstFrame)->Apply(single_starts);
BENCHMARK(BM_StartToFirstFrameBareQt)->Apply(single_starts);

}  // namespace
