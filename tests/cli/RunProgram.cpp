#include "RunProgram.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace otpor::test {

namespace {

// A file that the child writes and the test reads afterwards: no pipes, so no
// deadlock however much the program writes.
class CaptureFile {
public:
    CaptureFile()
    {
        const char* dir = std::getenv("TMPDIR");
        Path = std::string(dir && *dir ? dir : "/tmp") + "/otpor-calc-XXXXXX";
        const int fd = mkstemp(Path.data());
        if (fd < 0)
            throw std::runtime_error("cannot create a capture file in " + Path);
        close(fd);
    }
    ~CaptureFile() { std::remove(Path.c_str()); }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    std::string Read() const
    {
        std::ifstream in(Path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Path;
};

} // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& stdoutPath)
{
    CaptureFile out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(
        &actions, STDOUT_FILENO, (stdoutPath.empty() ? out.Path : stdoutPath).c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.Path.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("lost " + program);
    ProgramRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = out.Read();
    run.Err = err.Read();
    return run;
}

} // namespace otpor::test
