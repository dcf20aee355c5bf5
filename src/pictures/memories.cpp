// The pictures of the associative memories: their stored vectors, the probe and what was
// recalled, each element drawn as ## for +1 and .. for -1, side by side.
#include "canvas.h"
#include "pictures.h"

#include <algorithm>
#include <string>

namespace {

// The vector's elements, ## for +1, .. for -1 and ?? for any other value.
template <unsigned N>
std::string drawn(const CwMtx::CWTSVector<N>& v) {
    std::string text;
    for (unsigned i = 0; i < N; ++i)
        text += v[i] == 1 ? "##" : v[i] == -1 ? ".." : "??";
    return text;
}

// The text padded with blanks to the width.
std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

} // namespace

void drawState(const HopfieldRun& run) {
    std::string names = "  ", rows = "  ";
    for (std::size_t v = 0; v < 3; ++v) {
        names += padded("V" + std::to_string(v + 1), 12);
        rows += drawn(run.stored[v]) + "  ";
    }
    const auto probe = static_cast<std::size_t>(run.probeNumber - 1);
    names += padded("probe, V" + std::to_string(run.probeNumber), 12) + "recalled";
    rows += drawn(run.stored[probe]) + "  " + drawn(run.recalled);
    // The stored vector recalled, the probe first: stored vectors may repeat one another.
    const auto recalled = std::find(run.stored.begin(), run.stored.end(), run.recalled);
    const std::string probeName = "V" + std::to_string(run.probeNumber);
    std::string verdict = "  Recalled: no stored vector; the probe is not a stable state.";
    if (run.recalled == run.stored[probe])
        verdict = "  Recalled: " + probeName + ", the probe itself: retrieved.";
    else if (recalled != run.stored.end())
        verdict = "  Recalled: V" + std::to_string(recalled - run.stored.begin() + 1) + ", not the probe " +
                  probeName + ": the probe is not a stable state.";
    writePicture({"Hopfield memory: the stored vectors, the probe and the vector recalled", names, rows,
                  "  ## is +1, .. is -1, ?? any other value.", verdict});
}

void drawState(const BidirectionalRun& run) {
    std::string names = "       ", aRow = "   A   ", bRow = "   B   ";
    for (std::size_t k = 0; k < 4; ++k) {
        names += padded("pair " + std::to_string(k + 1), 14);
        aRow += drawn(run.a[k]) + "  ";
        bRow += padded(drawn(run.b[k]), 14);
    }
    const std::string recalled = run.recalledPair  ? "pair " + std::to_string(run.recalledPair) + " recalled"
                                 : run.recallEnded ? "no stored pair recalled"
                                                   : "recall under way";
    writePicture({"Bidirectional memory: the stored pairs, the probe and the pair recalled", names, aRow,
                  bRow, "       " + padded(run.probeIsB ? "probe (B)" : "probe (A)", 14) + recalled,
                  "   A   " + padded(run.probeIsB ? "" : drawn(run.probeA), 14) + drawn(run.recalledA),
                  "   B   " + padded(run.probeIsB ? drawn(run.probeB) : "", 14) + drawn(run.recalledB),
                  "  ## is +1, .. is -1, ?? any other value."});
}
