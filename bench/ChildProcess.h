#pragma once

// Runs the real program as its own process, as a user does, and reads its peak memory.
#include <QFile>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace veltmoor::bench {

struct ChildResult {
    int status = -1;
    long peakKilobytes = 0;
};

// A spawned child starts from this process's memory, and its peak would count this
// process's own (the nine photos were generated here); resetting our peak first leaves the
// child's peak its own.
inline void resetPeakMemory() {
    QFile clearReferences(QStringLiteral("/proc/self/clear_refs"));
    if (clearReferences.open(QIODevice::WriteOnly)) {
        clearReferences.write("5");
    }
}

inline ChildResult runChild(const std::vector<std::string>& arguments) {
    resetPeakMemory();
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ChildResult result;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.peakKilobytes = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

} // namespace veltmoor::bench
