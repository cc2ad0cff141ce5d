// The web edition's core on the command line: one JSON request per line on
// standard input, one JSON response per line on standard output (see
// web/CONTRACT.md).
#include "bridge.h"

#include <iostream>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        std::cout << bridge::handle(line) << '\n' << std::flush;
    }
    return 0;
}
