#include "models/process_run.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
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

// Feeds input to the child through the socket inputFd while collecting what
// it prints on outputFd until it closes. Both run at once, so a child that
// prints before it has read all its input blocks neither side. The input end
// is closed once all is written or the child stops reading; it is a socket, so
// a child that ends without reading gives an error here rather than SIGPIPE.
void exchange(int inputFd, std::string_view input, int outputFd, std::string& output)
{
    char buffer[4096];
    while (outputFd >= 0) {
        pollfd fds[2] = {{outputFd, POLLIN, 0}, {inputFd, POLLOUT, 0}};
        if (::poll(fds, inputFd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (inputFd >= 0 && fds[1].revents != 0) {
            bool writable = (fds[1].revents & POLLOUT) != 0;
            if (writable) {
                const ssize_t sent = ::send(inputFd, input.data(), input.size(), MSG_NOSIGNAL);
                if (sent > 0)
                    input.remove_prefix(static_cast<std::size_t>(sent));
                else if (errno != EINTR && errno != EAGAIN)
                    writable = false;
            }
            if (!writable || input.empty()) {
                ::close(inputFd);
                inputFd = -1;
            }
        }
        if (fds[0].revents != 0) {
            const ssize_t count = ::read(outputFd, buffer, sizeof buffer);
            if (count > 0)
                output.append(buffer, static_cast<std::size_t>(count));
            else if (count == 0 || errno != EINTR)
                outputFd = -1;
        }
    }
    if (inputFd >= 0)
        ::close(inputFd);
}

}  // namespace

ProcessOutcome runProcess(const std::vector<std::string>& arguments, std::string_view input)
{
    ProcessOutcome outcome;
    if (arguments.empty())
        return outcome;
    int pipeEnds[2];
    int inputEnds[2] = {-1, -1};
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        outcome.output = std::string("pipe: ") + std::strerror(errno);
        return outcome;
    }
    if (!input.empty() && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, inputEnds) != 0) {
        outcome.output = std::string("socketpair: ") + std::strerror(errno);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return outcome;
    }
    SpawnActions spawn;
    if (input.empty()) {
        posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    } else {
        ::fcntl(inputEnds[1], F_SETFL, O_NONBLOCK);
        posix_spawn_file_actions_adddup2(&spawn.actions, inputEnds[0], STDIN_FILENO);
    }
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
    if (inputEnds[0] >= 0)
        ::close(inputEnds[0]);
    if (spawnError != 0) {
        ::close(pipeEnds[0]);
        if (inputEnds[1] >= 0)
            ::close(inputEnds[1]);
        outcome.output = arguments[0] + ": " + std::strerror(spawnError);
        return outcome;
    }
    outcome.started = true;
    exchange(inputEnds[1], input, pipeEnds[0], outcome.output);
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
