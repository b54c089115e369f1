#include "OtherCopy.h"

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zoruka::test {

OtherCopy::OtherCopy(const std::filesystem::path& folder, bool writing) : m_writing(writing)
{
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
        throw std::runtime_error("cannot make pipes");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    std::string program = ZORUKA_HOLD_DATABASE;
    std::string folderText = folder.string();
    std::string write = "write";
    char* argv[] = {program.data(), folderText.data(), writing ? write.data() : nullptr, nullptr};
    const int spawned = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
}

const std::string& OtherCopy::report()
{
    if (m_ready) {
        return m_report;
    }
    m_ready = true;
    // Read until it is ready (and writing, when asked), or gone.
    FILE* output = fdopen(m_output, "r");
    m_output = -1;
    char line[4096];
    while (fgets(line, sizeof line, output) != nullptr) {
        const std::string text(line);
        if (text == (m_writing ? "writing\n" : "ready\n")) {
            break;
        }
        if (text != "ready\n") {
            m_report += text;
        }
    }
    fclose(output);
    return m_report;
}

OtherCopy::~OtherCopy()
{
    close(m_input);
    if (m_output >= 0) {
        close(m_output);
    }
    if (m_pid > 0) {
        waitpid(m_pid, nullptr, 0);
    }
}

void OtherCopy::kill()
{
    report();
    ::kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

} // namespace zoruka::test
