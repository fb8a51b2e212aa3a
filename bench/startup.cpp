// Start-up as the user waits for it: whole processes, timed from the moment
// each is started to the first paint of its main window, against the
// smallest Qt Widgets program with a maximised window (minimal_window, built
// beside this program). Every program runs unchanged on the offscreen
// platform with libfirst_paint.so preloaded, which ends it at its first paint;
// the peak resident memory of each run is the child's own, as wait4 reports
// it. The programs take turns, once each a round with the order rotating, on
// one processor.
//     build/bench/startup [--runs N] [--cpu C] [PROGRAM...]
// The programs default to the tour (../app/ravik-tour); several programs (the
// tour of two commits, say) are measured in the same run. --runs defaults to
// 15 rounds, --cpu to processor 1 (-1 leaves the processors to the system).

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

std::string ownDirectory()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    const std::string exe(path, size_t(n));
    return exe.substr(0, exe.rfind('/'));
}

struct Run
{
    double ms = -1;
    long peakKb = 0;
};

// The environment of every child: this one's, on the offscreen platform, with
// the first-paint watcher preloaded.
std::vector<std::string> childEnvironment(const std::string &watcher)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    }
    env.push_back("LD_PRELOAD=" + watcher);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

// Starts `program` once and waits for it; the time from the start to its first
// paint and its peak resident memory, or ms < 0 when it painted nothing.
Run startOnce(const std::string &program, char **env)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char buf[256];
    ssize_t n = 0;
    while (spawned == 0 && ((n = read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)))
        if (n > 0)
            out.append(buf, size_t(n));
    close(fds[0]);
    if (spawned != 0) {
        std::fprintf(stderr, "%s cannot be started: %s\n", program.c_str(), std::strerror(spawned));
        return {};
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end normally\n", program.c_str());
        return {};
    }
    // The watcher's line is the last one the program wrote.
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    const size_t lineStart = out.rfind('\n');
    const long long painted = std::atoll(out.c_str() + (lineStart == std::string::npos ? 0 : lineStart + 1));
    if (painted <= start) {
        std::fprintf(stderr, "%s ended without painting a window\n", program.c_str());
        return {};
    }
    return {double(painted - start) / 1e6, usage.ru_maxrss};
}

template<typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    int cpu = 1;
    const std::string dir = ownDirectory();
    std::vector<std::string> programs{dir + "/minimal_window"};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--cpu") && i + 1 < argc)
            (arg == "--runs" ? runs : cpu) = std::atoi(argv[++i]);
        else
            programs.push_back(arg);
    }
    if (programs.size() == 1)
        programs.push_back(dir + "/../app/ravik-tour");
    runs = std::max(1, runs);
    if (cpu >= 0) {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(cpu, &set);
        if (sched_setaffinity(0, sizeof set, &set) != 0) {
            std::fprintf(stderr, "cannot run on processor %d: %s\n", cpu, std::strerror(errno));
            return 1;
        }
    }

    std::vector<std::string> envStrings = childEnvironment(dir + "/libfirst_paint.so");
    std::vector<char *> env;
    for (std::string &s : envStrings)
        env.push_back(s.data());
    env.push_back(nullptr);

    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<long>> peaks(programs.size());
    for (int round = 0; round < runs; ++round) {
        for (size_t k = 0; k < programs.size(); ++k) {
            const size_t p = (k + size_t(round)) % programs.size();
            const Run r = startOnce(programs[p], env.data());
            if (r.ms < 0)
                return 1;
            times[p].push_back(r.ms);
            peaks[p].push_back(r.peakKb);
        }
    }

    std::printf("start to first paint of whole processes, offscreen, %d rounds, %s\n", runs,
                cpu >= 0 ? ("on processor " + std::to_string(cpu)).c_str() : "unpinned");
    std::printf("%10s %7s %14s %7s  %s\n", "median ms", "ratio", "peak RSS MB", "ratio", "program");
    const double floorMs = median(times[0]);
    const double floorKb = double(median(peaks[0]));
    for (size_t p = 0; p < programs.size(); ++p) {
        const double ms = median(times[p]);
        const double kb = double(median(peaks[p]));
        std::printf("%10.1f %7.2f %14.1f %7.2f  %s\n", ms, ms / floorMs, kb / 1024.0, kb / floorKb, programs[p].c_str());
    }
    return 0;
}
