// Time from process start to the main window's first paint, against a bare Qt Widgets program
// with one window of 25 buttons, measured alternately in the same run.
//
//   startup_bench [runs]        (default 30 runs of each; uses $QT_QPA_PLATFORM, else offscreen)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs `program` and returns the milliseconds until it prints its first line, or -1.
double TimeToFirstPaint(const std::string& program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        return -1;
    }
    char c;
    bool painted = false;
    while (read(pipeFds[0], &c, 1) == 1) {
        if (c == '\n') {
            painted = true;
            break;
        }
    }
    const auto end = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return painted ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::string dir = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
    const std::string chromlet = dir + "first_paint_chromlet";
    const std::string bare = dir + "first_paint_bare";

    // One of each first, untimed, so that both start from warm caches.
    TimeToFirstPaint(chromlet);
    TimeToFirstPaint(bare);
    std::vector<double> chromletTimes, bareTimes;
    for (int i = 0; i < runs; ++i) {
        const double a = TimeToFirstPaint(chromlet);
        const double b = TimeToFirstPaint(bare);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a first-paint program did not report its paint\n");
            return 1;
        }
        chromletTimes.push_back(a);
        bareTimes.push_back(b);
    }
    const double c = Median(chromletTimes);
    const double b = Median(bareTimes);
    std::printf("platform %s, %d runs each (medians)\n", std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("Chromlet main window first painted: %.1f ms\n", c);
    std::printf("bare Qt window with 25 buttons:     %.1f ms\n", b);
    std::printf("ratio: %.2f (goal: at most 1.30)\n", c / b);
    return 0;
}
