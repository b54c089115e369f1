#include "cli/CommandOptions.h"

#include "cli/Refusal.h"

#include <algorithm>

namespace zoruka {

Options parseOptions(const std::vector<std::string>& args, std::size_t first,
                     const std::vector<std::string>& known, const std::vector<std::string>& flags,
                     std::string_view help)
{
    Options options;
    for (std::size_t i = first; i < args.size(); ++i) {
        std::string name = args[i];
        if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
            options.values[name] = "";
            continue;
        }
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.erase(eq);
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            options.error = refusal("「" + args[i] + "」というオプションはありません。", help);
            return options;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                options.error = refusal("オプション「" + name + "」の値がありません。", help);
                return options;
            }
            value = args[++i];
        }
        options.values[name] = *value;
    }
    return options;
}

std::optional<std::string> optionalValue(const Options& options, const std::string& name)
{
    const auto found = options.values.find(name);
    return found == options.values.end() ? std::nullopt : std::optional(found->second);
}

std::string valueOf(const Options& options, const std::string& name)
{
    return optionalValue(options, name).value_or("");
}

} // namespace zoruka
