// A server that a test starts for itself (a display server, a window
// manager, a compositor) with the test's environment, and ends when done.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace otpor::test {

class ServerProcess {
public:
    ServerProcess() = default;
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    // SIGTERM, and waits for it.
    ~ServerProcess() { Stop(); }

    // Starts args[0], looked up on PATH; false if it did not start.
    bool Start(const std::vector<std::string>& args);
    bool Running() const { return pid_ > 0; }
    void Stop();

private:
    pid_t pid_ = -1;
};

// Polls the condition every 50 ms until it holds or the time is up; answers the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Starts Xvfb with one screen of width x height (24 bits), and answers its
// display (":N"), empty when it did not come up.
std::string StartXvfb(ServerProcess& xvfb, int width, int height);

} // namespace otpor::test
