#include "childstartup.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace bench
{
namespace
{
std::vector<std::string> ChildEnvironment(const std::string &home, const std::string &display)
{
    std::vector<std::string> variables;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('='));
        if (name == "QT_QPA_PLATFORM" || name == "HOME" || name == "XDG_CONFIG_HOME" || name == "XDG_DATA_HOME"
            || name == "XDG_RUNTIME_DIR" || name == "QORV_QUIT_AFTER_FIRST_PAINT" || name == "DISPLAY"
            || name == "WAYLAND_DISPLAY")
            continue;
        variables.push_back(variable);
    }
    variables.push_back("QT_QPA_PLATFORM=xcb");
    variables.push_back("DISPLAY=" + display);
    variables.push_back("QORV_QUIT_AFTER_FIRST_PAINT=1");
    variables.push_back("HOME=" + home);
    variables.push_back("XDG_CONFIG_HOME=" + home + "/config");
    variables.push_back("XDG_DATA_HOME=" + home + "/data");
    variables.push_back("XDG_RUNTIME_DIR=" + home);
    return variables;
}
}

double SecondsToFirstPaint(const std::string &program, const std::string &home, const std::string &display)
{
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);

    std::vector<std::string> variables = ChildEnvironment(home, display);
    std::vector<char *> envp;
    for (std::string &variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string path = program;
    char *argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return -1;
    }

    std::string text;
    char buffer[256];
    bool painted = false;
    while (!painted) {
        const ssize_t count = ::read(output[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(count));
        painted = text.find("painted\n") != std::string::npos;
    }
    const auto end = std::chrono::steady_clock::now();
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return painted ? std::chrono::duration<double>(end - start).count() : -1;
}
}
