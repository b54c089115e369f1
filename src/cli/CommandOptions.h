#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The options of a zoruka-cli command, by name; `error` says why they were refused.
struct Options {
    std::map<std::string, std::string> values;
    std::string error;
};

// "--name value" and "--name=value" from args[first] on; `known` lists the names that take a
// value, `flags` those that stand alone (their value is empty). An unknown option or a missing
// value is refused, pointing to `help`.
Options parseOptions(const std::vector<std::string>& args, std::size_t first,
                     const std::vector<std::string>& known, const std::vector<std::string>& flags,
                     std::string_view help = "zoruka-cli --help");

std::optional<std::string> optionalValue(const Options& options, const std::string& name);

// The option's value, or empty text when it was not given.
std::string valueOf(const Options& options, const std::string& name);

} // namespace zoruka
