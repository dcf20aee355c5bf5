#include "wrapping.h"

std::vector<std::string> wrapped(const std::string& line, const std::string& indent,
                                 const std::string& goesOnIndent, const BreakRank& rank) {
    std::vector<std::string> pieces;
    std::string rest = line;
    const std::string* lead = &indent;
    while (lead->size() + rest.size() > screenWidth) {
        const std::size_t width = screenWidth - lead->size();
        // The blank of the best (lowest) rank, the last of those; one ranked below 0 is no break.
        std::size_t cut = std::string::npos;
        int cutRank = std::numeric_limits<int>::max();
        for (std::size_t at = 1; at <= width && at < rest.size(); ++at) {
            if (rest[at] != ' ')
                continue;
            const int atRank = rank ? rank(rest, at) : 0;
            if (atRank >= 0 && atRank <= cutRank) {
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

namespace {

// How many brackets are open before `at`.
int bracketsOpenAt(const std::string& line, std::size_t at) {
    int depth = 0;
    for (std::size_t i = 0; i < at; ++i)
        depth += line[i] == '[' ? 1 : line[i] == ']' ? -1 : 0;
    return depth;
}

} // namespace

int afterACommaOutsideBrackets(const std::string& line, std::size_t at) {
    return bracketsOpenAt(line, at) == 0 && line[at - 1] == ',' ? 0 : 1;
}

int keepingVectorsAndLastWordsWhole(const std::string& line, std::size_t at) {
    if (bracketsOpenAt(line, at) > 0)
        return 2;
    return line.size() - at - 1 < 10 ? 1 : 0;
}
