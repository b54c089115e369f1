#pragma once

#include <filesystem>
#include <string>

namespace zoruka::test {

// Another copy of the program on the database in `folder`, in a process of its own
// (hold_database): it runs the program's start on the file and holds it until it is ended or
// killed. With `writing`, it then goes half-way through a write. Several start at the same time
// when they are made before any is asked for its report().
class OtherCopy {
public:
    explicit OtherCopy(const std::filesystem::path& folder, bool writing = false);
    // Ends the copy as the program ends, unless it was killed.
    ~OtherCopy();
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    // What it printed while starting, once it is ready (and writing, when asked): "writer" or its
    // notices, one line each; "error: ..." when it could not start.
    const std::string& report();

    // Kills it as a crash would, once it is ready, in the middle of whatever it holds.
    void kill();

private:
    int m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    bool m_writing = false;
    bool m_ready = false;
    std::string m_report;
};

} // namespace zoruka::test
