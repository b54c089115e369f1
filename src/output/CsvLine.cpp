#include "output/CsvLine.h"

namespace zoruka {

namespace {

template <class Fields> std::string joined(const Fields& fields)
{
    std::string line;
    for (const std::string_view field : fields) {
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

std::string csvLine(std::initializer_list<std::string_view> fields) { return joined(fields); }

std::string csvLine(const std::vector<std::string>& fields) { return joined(fields); }

} // namespace zoruka
