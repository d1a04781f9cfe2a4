// Runs one command and prints what it cost: "WALL_NS USER_US SYSTEM_US" (wall
// clock in nanoseconds, CPU time in microseconds, from the kernel's account
// of the child). The command's own output is left alone; its exit status is
// passed on. For bench/run.sh, where the shell's own clocks are too coarse.
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

long long Nanoseconds(const timespec& t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec; }
long long Microseconds(const timeval& t) { return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_usec; }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: run-timer COMMAND [ARGUMENT...]\n");
        return 2;
    }
    timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = fork();
    if (child < 0) {
        std::perror("run-timer: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("run-timer: exec");
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("run-timer: wait");
        return 1;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("%lld %lld %lld\n", Nanoseconds(end) - Nanoseconds(start), Microseconds(usage.ru_utime),
                Microseconds(usage.ru_stime));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
