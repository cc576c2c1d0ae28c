// SPDX-License-Identifier: GPL-3.0-or-later
// Process start to window shown, for the program and for an empty Qt window
// started the same way, in one run; and the resident memory of each once
// shown. Each program is started with DELVARIN_SELF_CHECK set, reports the
// moment it was shown on the realtime clock, and quits.
//   startup_bench PROGRAM EMPTY_WINDOW [runs]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms;
    long rssKib;
};

long long Now() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

bool RunOnce(const char* program, Sample& sample) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const long long start = Now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) return false;
    std::string out;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long shown = 0;
    long rss = 0;
    if (std::sscanf(out.c_str(), "shown-at-ns %lld rss-kib %ld", &shown, &rss) != 2) return false;
    sample = {static_cast<double>(shown - start) / 1e6, rss};
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM EMPTY_WINDOW [runs]\n");
        return 64;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    setenv("DELVARIN_SELF_CHECK", "1", 1);
    // A Persian locale: the program's code-page warning would wait for a click.
    setenv("LC_ALL", "fa_IR.UTF-8", 1);
    std::vector<double> programMs, emptyMs;
    long programRss = 0, emptyRss = 0;
    for (int i = 0; i < runs + 1; ++i) {  // the first round only warms the caches
        Sample program{}, empty{};
        if (!RunOnce(argv[1], program) || !RunOnce(argv[2], empty)) {
            std::fprintf(stderr, "startup_bench: a program did not report\n");
            return 1;
        }
        if (i == 0) continue;
        programMs.push_back(program.ms);
        emptyMs.push_back(empty.ms);
        programRss = program.rssKib;
        emptyRss = empty.rssKib;
    }
    const double p = Median(programMs), e = Median(emptyMs);
    std::printf(
        "start to window shown   program %7.1f ms   empty Qt window %7.1f ms   ratio %.2f"
        "   (median of %d, alternating)\n",
        p, e, p / e, runs);
    std::printf(
        "resident memory shown   program %7.1f MiB  empty Qt window %7.1f MiB  ratio %.2f\n",
        programRss / 1024.0, emptyRss / 1024.0,
        static_cast<double>(programRss) / static_cast<double>(emptyRss));
    return 0;
}
