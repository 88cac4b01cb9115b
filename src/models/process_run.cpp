#include "models/process_run.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct SpawnActions {
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t actions;
};

void readUntilClosed(int fd, std::string& output)
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0)
            output.append(buffer, static_cast<std::size_t>(count));
        else if (count == 0 || errno != EINTR)
            return;
    }
}

}  // namespace

ProcessOutcome runProcess(const std::vector<std::string>& arguments)
{
    ProcessOutcome outcome;
    if (arguments.empty())
        return outcome;
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        outcome.output = std::string("pipe: ") + std::strerror(errno);
        return outcome;
    }
    SpawnActions spawn;
    posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&spawn.actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&spawn.actions, pipeEnds[1], STDERR_FILENO);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawnError =
        posix_spawnp(&pid, argv[0], &spawn.actions, nullptr, argv.data(), environ);
    ::close(pipeEnds[1]);
    if (spawnError != 0) {
        ::close(pipeEnds[0]);
        outcome.output = arguments[0] + ": " + std::strerror(spawnError);
        return outcome;
    }
    outcome.started = true;
    readUntilClosed(pipeEnds[0], outcome.output);
    ::close(pipeEnds[0]);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            outcome.output += "waitpid: " + std::string(std::strerror(errno));
            return outcome;
        }
    }
    outcome.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (WIFSIGNALED(status))
        outcome.output += arguments[0] + ": killed by signal " + std::to_string(WTERMSIG(status)) + "\n";
    return outcome;
}
