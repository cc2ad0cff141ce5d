// Answers that describe a solid: for every case of every screen, some pattern
// gives data the case can compute with. Prompt k is answered with
// pattern[k % size]; the patterns are tried in this order.
#pragma once

#include <string>
#include <vector>

namespace answers {

inline const std::vector<std::vector<std::string>> &solidPatterns()
{
    static const std::vector<std::vector<std::string>> patterns = {
        { "3", "4", "5", "6", "7", "8" },
        { "9", "8", "7", "6", "5", "4" },
        { "10", "1", "12", "2", "14", "3" },
        { "1", "10", "2", "12", "3", "14" },
        { "100", "3", "2", "50", "4", "1" },
        { "2", "60", "5", "200", "7", "90" },
        { "0.5", "0.6", "0.3", "0.2", "0.1", "0.05" },
        { "100", "60", "20", "10", "5", "2" },
        { "200", "100", "20", "6", "3", "1" },
        { "5", "5.5", "4", "3", "2", "1" },
    };
    return patterns;
}

} // namespace answers
