// Starting the built program as a child process with pipes for its output.
#include "cli/testing/quillon_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <thread>

namespace quillon::cli::testing {

namespace {

/// Reads what the two pipes carry until both are closed; presses Ctrl+C at `interruptAt`.
void collect(pid_t child, int outFd, int errFd, Run& run,
             std::optional<std::chrono::steady_clock::time_point> interruptAt)
{
    std::array<pollfd, 2> fds{pollfd{outFd, POLLIN, 0}, pollfd{errFd, POLLIN, 0}};
    std::array<std::string*, 2> into{&run.out, &run.err};
    std::array<char, 65536> buffer{};
    int open = (outFd >= 0 ? 1 : 0) + 1;
    while (open > 0) {
        int timeout = -1;
        if (interruptAt) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                *interruptAt - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                ::kill(child, SIGINT);
                interruptAt.reset();
            } else {
                timeout = static_cast<int>(left.count());
            }
        }
        if (::poll(fds.data(), fds.size(), timeout) < 0)
            continue;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0)
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (n > 0) {
                into[i]->append(buffer.data(), static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

Run runQuillon(const std::vector<std::string>& arguments, const RunSetup& setup)
{
    std::array<int, 2> outPipe{-1, -1};
    std::array<int, 2> errPipe{-1, -1};
    const bool collectOut = setup.standardOutputFile.empty();
    if ((collectOut && ::pipe(outPipe.data()) != 0) || ::pipe(errPipe.data()) != 0)
        return {};
    std::vector<std::string> argv{QUILLON_CLI_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());

    const pid_t child = ::fork();
    if (child == 0) {
        for (const auto& [name, value] : setup.environment)
            ::setenv(name.c_str(), value.c_str(), 1);
        if (!setup.workingFolder.empty() && ::chdir(setup.workingFolder.c_str()) != 0)
            ::_exit(127);
        int out = outPipe[1];
        if (!collectOut)
            out = ::open(setup.standardOutputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1], out}) {
            if (fd > STDERR_FILENO)
                ::close(fd);
        }
        if (setup.interruptAtStart || setup.interruptAfter) {
            // Blocked until the program listens for it, so that an early Ctrl+C waits for the
            // program instead of ending it before it has set up its handler.
            sigset_t interrupt;
            sigemptyset(&interrupt);
            sigaddset(&interrupt, SIGINT);
            ::sigprocmask(SIG_BLOCK, &interrupt, nullptr);
            if (setup.interruptAtStart)
                ::raise(SIGINT);
        }
        std::vector<char*> raw;
        for (std::string& a : argv)
            raw.push_back(a.data());
        raw.push_back(nullptr);
        ::execv(raw[0], raw.data());
        ::_exit(127);
    }
    if (collectOut)
        ::close(outPipe[1]);
    ::close(errPipe[1]);
    Run run;
    if (child < 0)
        return run;
    std::optional<std::chrono::steady_clock::time_point> interruptAt;
    if (setup.interruptAfter)
        interruptAt = std::chrono::steady_clock::now() + *setup.interruptAfter;
    collect(child, collectOut ? outPipe[0] : -1, errPipe[0], run, interruptAt);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    return run;
}

Run runCommand(const std::string& command, const std::string& settings,
               std::vector<std::string> arguments, const RunSetup& setup)
{
    arguments.insert(arguments.begin(), {command, "--settings", settings});
    return runQuillon(arguments, setup);
}

std::string sampleFile(const std::string& name)
{
    return std::string(QUILLON_SOURCE_DIR) + "/samples/" + name;
}

}  // namespace quillon::cli::testing
