#include "output/CsvReader.h"

namespace zoruka {

std::vector<std::vector<std::string>> readCsv(std::string_view text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool lineHasText = false;
    const auto endRecord = [&] {
        if (lineHasText) {
            record.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record.clear();
        field.clear();
        lineHasText = false;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (at + 1 < text.size() && text[at + 1] == '"') {
                field += '"';
                ++at;
            } else {
                quoted = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            lineHasText = true;
            break;
        case ',':
            record.push_back(std::move(field));
            field.clear();
            lineHasText = true;
            break;
        case '\r':
            if (at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            endRecord();
            break;
        case '\n':
            endRecord();
            break;
        default:
            field += c;
            lineHasText = true;
            break;
        }
    }
    endRecord();
    return records;
}

} // namespace zoruka
