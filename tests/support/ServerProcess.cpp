#include "support/ServerProcess.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace otpor::test {

bool ServerProcess::Start(const std::vector<std::string>& args)
{
    Stop();
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    return Running();
}

void ServerProcess::Stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string StartXvfb(ServerProcess& xvfb, int width, int height)
{
    // Xvfb writes the display number it chose to the inherited pipe.
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    xvfb.Start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten", "tcp"});
    close(fds[1]);
    std::string number;
    char c = 0;
    while (xvfb.Running() && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

} // namespace otpor::test
