#include "EndEllipsis.hpp"

#include "Utf8.hpp"

std::string EndEllipsis(std::string_view text, LONG width,
                        std::function<LONG(std::string_view)> const & measure) {
    std::string kept(text);
    while (!kept.empty() && measure(kept + "...") > width)
        kept.erase(Utf8::Previous(kept, kept.size()));
    return kept + "...";
}
