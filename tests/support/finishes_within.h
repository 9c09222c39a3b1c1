// Running a check that might hang (a read that waits on a FIFO) in a child process with a limit.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace voriel::test {

// Runs `check` in a forked child and returns true when it returned true before `seconds` passed;
// a child still running then is killed and the answer is false. A guard against hanging, not a
// measure of speed.
template <class Check>
bool FinishesWithin(int seconds, Check check) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) _exit(check() ? 0 : 1);
    for (int tenths = 0; tenths < seconds * 10; ++tenths) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(100 * 1000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

}  // namespace voriel::test
