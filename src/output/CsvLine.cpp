#include "output/CsvLine.h"

namespace zoruka {

namespace {

template <typename Fields> std::string joinedLine(const Fields& fields)
{
    std::string line;
    for (std::string_view field : fields) {
        if (!line.empty()) {
            line += ',';
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

} // namespace

std::string csvLine(std::initializer_list<std::string_view> fields) { return joinedLine(fields); }

std::string csvLine(std::span<const std::string> fields) { return joinedLine(fields); }

} // namespace zoruka
