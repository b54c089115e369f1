#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoruka::test {

// The lines of a CSV export without their CR LF; text after the last CR LF fails the test.
inline std::vector<std::string> csvLines(const std::string& csv)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2) {
        result.push_back(csv.substr(start, end - start));
    }
    EXPECT_EQ(start, csv.size()) << "text after the last CR LF";
    return result;
}

} // namespace zoruka::test
