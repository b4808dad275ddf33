#include "OrbsFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace orbenza::cli {

Parsed<OrbTable> parseOrbs(std::string_view jsonText) {
    const auto json = nlohmann::json::parse(jsonText, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return OptionError{"--orbs: the file must hold one JSON object of aspect names to orbs, "
                           "such as {\"trine\": 6}"};
    OrbTable orbs;
    for (const auto& [name, value] : json.items()) {
        const auto aspect = aspectNamed(name);
        if (!aspect)
            return OptionError{"--orbs: " + quotedForMessage(name) + " is not an aspect"};
        if (!value.is_number() || value.get<double>() < 0.0 || value.get<double>() > kLargestOrbDeg)
            return OptionError{"--orbs: the orb of " + name +
                               " must be a number of degrees from 0 "
                               "to 30"};
        orbs[*aspect] = value.get<double>();
    }
    return orbs;
}

Parsed<OrbTable> readOrbsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return OptionError{"--orbs: cannot read " + quotedForMessage(path) + ": " +
                           std::strerror(errno)};
    std::ostringstream text;
    text << in.rdbuf();
    return parseOrbs(text.str());
}

} // namespace orbenza::cli
