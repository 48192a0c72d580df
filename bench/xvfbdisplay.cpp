#include "xvfbdisplay.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char **environ;

namespace bench
{
XvfbDisplay::XvfbDisplay()
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return;
    // The server writes the display it chose to this descriptor, once it
    // accepts clients.
    constexpr int ReportDescriptor = 3;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], ReportDescriptor);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments = {"Xvfb",      "-displayfd", std::to_string(ReportDescriptor),
                                          "-screen",   "0",          "1280x1024x24",
                                          "-nolisten", "tcp",        "-noreset"};
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawned = ::posix_spawnp(&m_server, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        m_server = 0;
        ::close(pipe[0]);
        return;
    }
    std::string number;
    char buffer[16];
    ssize_t count = 0;
    while (number.find('\n') == std::string::npos && (count = ::read(pipe[0], buffer, sizeof buffer)) > 0)
        number.append(buffer, static_cast<std::size_t>(count));
    ::close(pipe[0]);
    if (const auto end = number.find('\n'); end != std::string::npos && end > 0)
        m_name = ":" + number.substr(0, end);
}

XvfbDisplay::~XvfbDisplay()
{
    if (m_server <= 0)
        return;
    ::kill(m_server, SIGTERM);
    int status = 0;
    ::waitpid(m_server, &status, 0);
}
}
