#include "wrapping.h"

std::vector<std::string> wrapped(const std::string& line, const std::string& indent,
                                 const std::string& goesOnIndent, const BreakRank& rank) {
    std::vector<std::string> pieces;
    std::string rest = line;
    const std::string* lead = &indent;
    while (lead->size() + rest.size() > screenWidth) {
        const std::size_t width = screenWidth - lead->size();
        std::size_t cut = std::string::npos;
        int cutRank = 0;
        for (std::size_t at = 1; at <= width && at < rest.size(); ++at) {
            if (rest[at] != ' ')
                continue;
            const int atRank = rank ? rank(rest, at) : 0;
            if (atRank >= 0 && (cut == std::string::npos || atRank <= cutRank)) {
                cut = at;
                cutRank = atRank;
            }
        }
        if (cut == std::string::npos)
            break;
        pieces.push_back(*lead + rest.substr(0, cut));
        rest = rest.substr(cut + 1);
        lead = &goesOnIndent;
    }
    pieces.push_back(*lead + rest);
    return pieces;
}
