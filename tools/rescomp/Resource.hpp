#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One compiled resource: its type, its name (empty when it is numbered), its number, its
// language (0 for neutral), its bytes, and where it was written (file, and line when it
// is one line of a file), for messages.
struct Resource {
    unsigned type = 0;
    std::string name;
    unsigned id = 0;
    std::uint32_t language = 0;
    std::vector<unsigned char> bytes;
    std::string source;
    int line = 0;
};
