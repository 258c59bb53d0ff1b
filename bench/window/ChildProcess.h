#pragma once
// A child process started with a chosen environment, whose standard error (or another
// descriptor) the parent reads line by line. Linux only: posix_spawn and /proc.
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace tessaron {

class ChildProcess {
public:
    // Starts program with arguments; environment entries override the parent's (an empty
    // value removes the variable). The child's descriptor readFd (2 for standard error) is
    // piped to the parent; its standard output goes to /dev/null.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment, int readFd = 2);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }

    // Reads until a line containing text arrives; false on end of output or after timeout.
    bool WaitForLine(const std::string& text, std::chrono::milliseconds timeout);
    // The first line read, without waiting for anything in particular.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
    // The process's resident memory (VmRSS) in kB, or nothing when it cannot be read.
    std::optional<long> ResidentKilobytes() const;
    // Sends signal (SIGKILL: at once, no clean-up) and collects the process.
    void Kill(int signal = 9);
    // The processor time (user and system) the process used, known once it was collected.
    double CpuSeconds() const { return cpuSeconds_; }

private:
    pid_t pid_ = -1;
    int readEnd_ = -1;
    std::string buffer_;
    double cpuSeconds_ = 0;
};

} // namespace tessaron
