#include "output/CsvLine.h"

namespace zoruka {

std::string csvLine(std::initializer_list<std::string_view> fields)
{
    std::string line;
    for (std::string_view field : fields) {
        if (!line.empty()) {
            line += ',';
        }
        line += '"';
        line += field;
        line += '"';
    }
    return line + "\r\n";
}

} // namespace zoruka
