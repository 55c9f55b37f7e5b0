// The real program from process start to its first painted frame on an X server, and the
// peak memory it has used by then, beside a bare Qt Widgets program with an empty window of the
// same size timed the same way. A private Xvfb is started when no display is set.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
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

void stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
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

void start_to_first_frame(benchmark::State& state, const char* name) {
    const fs::path program = program_path(name);
    if (program.empty()) {
        state.SkipWithError((std::string(name) + " is not built").c_str());
        return;
    }
    const XServer server;  // stopped when the benchmark ends, before the program exits
    Display* dpy = server.name.empty() ? nullptr : XOpenDisplay(server.name.c_str());
    if (dpy == nullptr) {
        state.SkipWithError("no X server (Xvfb)");
        return;
    }
    XSetErrorHandler(ignore_errors);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    const std::vector<std::string> env{"DISPLAY=" + server.name, "QT_QPA_PLATFORM=xcb"};
    double peak_mib = 0;
    for (auto _ : state) {
        XSync(dpy, True);  // drop the events of the previous run
        const Clock::time_point start = Clock::now();
        const pid_t pid = spawn({program.string()}, env);
        const bool painted = wait_first_frame(dpy, start + std::chrono::seconds(20));
        const Clock::time_point end = Clock::now();
        peak_mib = static_cast<double>(peak_rss_kib(pid)) / 1024.0;
        stop(pid);
        if (!painted) {
            state.SkipWithError("the window did not paint within 20 s");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["peak_rss_MiB"] = peak_mib;
    XCloseDisplay(dpy);
}
void BM_StartToFirstFrame(benchmark::State& state) { start_to_first_frame(state, "velantra"); }
// Single starts scatter with the load of a shared machine, so each row is their median.
void single_starts(benchmark::internal::Benchmark* b) {
    b->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
}
BENCHMARK(BM_StartToFirstFrame)->Apply(single_starts);

void BM_StartToFirstFrameBareQt(benchmark::State& state) {
    start_to_first_frame(state, "velantra_qt_baseline");
}
BENCHMARK(BM_StartToFirstFrameBareQt)->Apply(single_starts);

}  // namespace
