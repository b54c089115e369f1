#include "output/PrintOperationsJson.h"

#include "output/JsonText.h"

#include <array>
#include <charconv>

namespace zoruka {

namespace {

// Shortest text that reads back as the same value: 5, 7.5, 49.5.
std::string number(double value)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
}

std::string segment(const char* op, double x1, double y1, double x2, double y2, int width,
                    int colour)
{
    return std::string("\"op\":\"") + op + "\",\"x1\":" + number(x1) + ",\"y1\":" + number(y1) +
           ",\"x2\":" + number(x2) + ",\"y2\":" + number(y2) +
           ",\"width\":" + std::to_string(width) + ",\"colour\":" + std::to_string(colour);
}

std::string fields(const PrintOperation& operation)
{
    if (const auto* text = std::get_if<PrintText>(&operation)) {
        return "\"op\":\"text\",\"x\":" + number(text->x) + ",\"y\":" + number(text->y) +
               ",\"text\":" + jsonString(text->text) + ",\"font\":" + jsonString(text->font) +
               ",\"size\":" + number(text->size) + ",\"colour\":" + std::to_string(text->colour) +
               (text->endsAtX ? ",\"align\":\"right\"" : "");
    }
    if (const auto* line = std::get_if<PrintLine>(&operation)) {
        return segment("line", line->x1, line->y1, line->x2, line->y2, line->width, line->colour);
    }
    const auto& box = std::get<PrintBox>(operation);
    return segment("box", box.x1, box.y1, box.x2, box.y2, box.width, box.colour) +
           (box.fill == kNoFill ? "" : ",\"fill\":" + std::to_string(box.fill));
}

} // namespace

std::string printOperationsJson(const std::vector<PrintDocument>& documents)
{
    std::string json;
    for (std::size_t d = 0; d < documents.size(); ++d) {
        const PrintDocument& document = documents[d];
        const std::string documentField = "{\"document\":" + std::to_string(d + 1);
        json += documentField + ",\"op\":\"document\",\"paper\":\"A4\",\"orientation\":\"" +
                (document.orientation == Orientation::Landscape ? "landscape" : "portrait") +
                "\"}\n";
        for (std::size_t p = 0; p < document.pages.size(); ++p) {
            for (const PrintOperation& operation : document.pages[p].operations) {
                json += documentField + ",\"page\":" + std::to_string(p + 1) + "," +
                        fields(operation) + "}\n";
            }
        }
    }
    return json;
}

} // namespace zoruka
