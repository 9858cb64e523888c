// The command line of xpdb: a command, positional arguments and options.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vd::xpdb {

struct TArgs {
    std::string Command;
    std::vector<std::string> Positional;
    std::optional<std::string> Mark;
    std::optional<std::string> Kind;
    std::optional<std::string> Tag;
    std::optional<std::string> Text;
    std::optional<std::string> Created;
    bool Help = false;
};

// Options may stand anywhere after the command; "--" ends them. Returns
// false with a message for an unknown option or one missing its value.
bool ParseArgs(const std::vector<std::string>& argv, TArgs& args, std::string& error);

// Decimal integer within [min, max], the whole text.
bool ParseInteger(const std::string& text, long long min, long long max, long long& value);

const char* UsageText();

}  // namespace vd::xpdb
