#include "exercises.h"

#include "model/memories.h"
#include "model/rules.h"
#include "model/steps.h"

#include <algorithm>
#include <cmath>

using CwMtx::CWTSMatrix;

namespace {

// The numbers that draw an exercise: splitmix64, whole numbers only, so that a seed draws
// the same numbers on every machine and in the web page.
class Draw {
  public:
    explicit Draw(std::uint64_t seed) : state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }

    // A whole number from lo to hi.
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    // A number from lo to hi in steps of 1 / parts: halves for 2, tenths for 10.
    double step(int lo, int hi, int parts) {
        return between(lo * parts, hi * parts) / static_cast<double>(parts);
    }

    double sign() { return between(0, 1) ? 1 : -1; }

    // A number of tenths from lo / 10 to hi / 10.
    double tenths(int lo, int hi) { return between(lo, hi) / 10.0; }

  private:
    std::uint64_t state;
};

// Four distinct inputs from -3 to 3 in halves, none 0, and the responses of a threshold
// between two of them: one side +1, the other -1.
void drawSeparableLine(Draw& draw, std::array<CWTSVector<2>, 4>& Y, std::array<double, 4>& d) {
    std::array<int, 4> halves{};
    for (unsigned k = 0; k < 4; ++k) {
        bool taken;
        do {
            halves[k] = draw.between(1, 6) * (draw.between(0, 1) ? 1 : -1);
            Y[k][0] = halves[k] / 2.0;
            taken = false;
            for (unsigned j = 0; j < k; ++j)
                taken = taken || Y[j][0] == Y[k][0];
        } while (taken);
    }
    // The threshold lies a quarter above so many halves, -2 to 2: an input of more halves is
    // above it.
    const int thresholdHalves = draw.between(-4, 4);
    const double high = draw.sign();
    for (unsigned k = 0; k < 4; ++k)
        d[k] = halves[k] > thresholdHalves ? high : -high;
}

// True when a draw's training ended as an exercise's must: by the rule's own end, a cycle
// error within the guard's limit or, without a limit, a unit that moved no weight; and after
// the first unit, since a training that one unit ends teaches nothing.
bool endsAsAnExercise(const Progress& trained, const Guard& guard) {
    const bool ownEnd =
        std::isnan(guard.errorLimit) ? !trained.weightsMoved : !(trained.lastValue > guard.errorLimit);
    return ownEnd && trained.units > 1;
}

// True when both classes have patterns.
bool bothClasses(const std::array<double, 4>& d) {
    return std::count(d.begin(), d.end(), 1.0) % 4 != 0;
}

// Inputs in the plane from -8 to 8, none within 3 of the origin (by the sum of the
// magnitudes), no two the same; element 2, the bias input, kept.
void drawPlanePatterns(Draw& draw, std::array<CWTSVector<3>, 3>& Y) {
    for (unsigned i = 0; i < 3; ++i) {
        bool fits;
        do {
            Y[i][0] = draw.between(-8, 8);
            Y[i][1] = draw.between(-8, 8);
            fits = std::fabs(Y[i][0]) + std::fabs(Y[i][1]) >= 3;
            for (unsigned j = 0; j < i; ++j)
                fits = fits && !(Y[j][0] == Y[i][0] && Y[j][1] == Y[i][1]);
        } while (!fits);
    }
}

// A bipolar vector.
template <unsigned N>
CWTSVector<N> bipolarVector(Draw& draw) {
    CWTSVector<N> v;
    for (unsigned i = 0; i < N; ++i)
        v[i] = draw.sign();
    return v;
}

// A unit vector at a whole number of `degrees` steps, its elements to four decimals as the
// defaults are written.
CWTSVector<2> roundAngle(Draw& draw, int degrees) {
    const double angle = draw.between(0, 360 / degrees - 1) * degrees * std::acos(-1.0) / 180;
    // Four decimals, and 0 for a -0 that rounding a tiny negative would leave.
    const auto fourDecimals = [](double x) { return std::round(x * 1e4) / 1e4 + 0.0; };
    return {fourDecimals(std::cos(angle)), fourDecimals(std::sin(angle))};
}

} // namespace

void drawSdpta(std::uint64_t seed, int& steps, double& C, std::array<CWTSVector<2>, 4>& Y,
               std::array<double, 4>& d, CWTSVector<2>& W) {
    Draw draw(seed);
    for (;;) {
        drawSeparableLine(draw, Y, d);
        W = {draw.step(-3, 3, 2), draw.step(-3, 3, 2)};
        C = 1;
        if (!bothClasses(d))
            continue;
        // Passes of a step for each pattern until one corrects nothing: the pass after the last
        // correction, which must come after the first pass and by the fifth.
        struct LastCorrection : Unwatching {
            int number = 0;
            void step(int s, unsigned, const DiscreteStep<2>& taken) {
                if (taken.correction != 0)
                    number = s;
            }
        } last;
        SdptaProblem problem{C, Y, d, W};
        const int patterns = static_cast<int>(Y.size()), mostPasses = 5;
        trainSdpta(problem, Guard{patterns * mostPasses, std::nan(""), false}, last);
        const int cleanPass = (last.number + patterns - 1) / patterns + 1;
        if (last.number > 0 && cleanPass <= mostPasses) {
            steps = patterns * cleanPass;
            return;
        }
    }
}

void drawMcdpta(std::uint64_t seed, std::array<CWTSVector<3>, 3>& Y, std::array<CWTSVector<3>, 3>& W) {
    Draw draw(seed);
    for (;;) {
        drawPlanePatterns(draw, Y);
        for (CWTSVector<3>& w : W)
            w = {draw.step(-3, 3, 1), draw.step(-3, 3, 1), draw.step(-3, 3, 1)};
        // A cycle without a wrong response after the first and by the tenth.
        McdptaProblem problem{1, Y, W};
        Unwatching unwatched;
        const Guard guard{10, 0};
        if (endsAsAnExercise(trainMcdpta(problem, guard, unwatched), guard))
            return;
    }
}

void drawScpta(std::uint64_t seed, double& nu, std::array<CWTSVector<2>, 4>& Y, std::array<double, 4>& d,
               CWTSVector<2>& W) {
    Draw draw(seed);
    const double rates[] = {0.1, 0.2, 0.5};
    for (;;) {
        drawSeparableLine(draw, Y, d);
        W = {draw.step(-3, 3, 2), draw.step(-3, 3, 2)};
        nu = rates[draw.between(0, 2)];
        if (!bothClasses(d))
            continue;
        // A cycle error within the limit after the first cycle and by the tenth.
        ScptaProblem problem{nu, 1, Y, d, W};
        Unwatching unwatched;
        const Guard guard{10, 0.01};
        if (endsAsAnExercise(trainScpta(problem, guard, unwatched), guard))
            return;
    }
}

void drawMccpta(std::uint64_t seed, double& nu, std::array<CWTSVector<3>, 3>& Y,
                std::array<CWTSVector<3>, 3>& W) {
    Draw draw(seed);
    const double rates[] = {0.1, 0.2, 0.5};
    for (;;) {
        drawPlanePatterns(draw, Y);
        for (CWTSVector<3>& w : W)
            w = {draw.tenths(-5, 5), draw.tenths(-5, 5), draw.tenths(-5, 5)};
        nu = rates[draw.between(0, 2)];
        // A cycle error within the limit after the first cycle and by the tenth.
        MccptaProblem problem{nu, 1, Y, W};
        Unwatching unwatched;
        const Guard guard{10, 0.01};
        if (endsAsAnExercise(trainMccpta(problem, guard, unwatched), guard))
            return;
    }
}

void drawBpn(std::uint64_t seed, double& nu, const std::array<CWTSVector<3>, 4>& X,
             const std::array<double, 4>& d, double threshold, FirstLayer& V, CWTSVector<3>& W) {
    Draw draw(seed);
    const double rates[] = {0.2, 0.5};
    for (;;) {
        for (unsigned k = 0; k < 2; ++k)
            V[k] = {draw.tenths(-10, 10), draw.tenths(-10, 10), draw.tenths(-10, 10)};
        W = {draw.tenths(-15, 15), draw.tenths(-15, 15), draw.tenths(-15, 15)};
        nu = rates[draw.between(0, 1)];
        BpnProblem problem{nu, threshold, X, d, V, W};
        Unwatching unwatched;
        const Guard guard{20000, 0.01};
        if (endsAsAnExercise(trainBpn(problem, guard, unwatched), guard))
            return;
    }
}

void drawHam(std::uint64_t seed, std::array<CWTSVector<5>, 3>& V, int& probeNumber) {
    Draw draw(seed);
    for (;;) {
        for (CWTSVector<5>& v : V)
            v = bipolarVector<5>(draw);
        probeNumber = draw.between(1, 3);
        bool distinct = true;
        for (unsigned i = 1; i < 3; ++i)
            for (unsigned j = 0; j < i; ++j) {
                CWTSVector<5> opposite = V[j];
                opposite *= -1;
                distinct = distinct && V[i] != V[j] && V[i] != opposite;
            }
        const std::array<CWTSVector<5>, 5> W = hopfieldWeights(V);
        const CWTSVector<5>& x = V[static_cast<unsigned>(probeNumber - 1)];
        unsigned next = 0;
        if (distinct && hopfieldRecall(W, x, [&next] { return next++; }).recalled == x)
            return;
    }
}

void drawBam(std::uint64_t seed, std::array<CWTSVector<6>, 4>& A, std::array<CWTSVector<3>, 4>& B,
             CWTSVector<6>& probe) {
    Draw draw(seed);
    for (;;) {
        for (unsigned k = 0; k < 4; ++k) {
            A[k] = bipolarVector<6>(draw);
            B[k] = bipolarVector<3>(draw);
        }
        // The probe: a stored A with one or two elements turned.
        probe = A[static_cast<unsigned>(draw.between(0, 3))];
        const int turned = draw.between(1, 2);
        for (int t = 0; t < turned; ++t)
            probe[static_cast<unsigned>(draw.between(0, 5))] *= -1;
        bool distinct = std::find(A.begin(), A.end(), probe) == A.end();
        for (unsigned i = 1; i < 4; ++i)
            for (unsigned j = 0; j < i; ++j)
                distinct = distinct && A[i] != A[j] && B[i] != B[j];
        const CWTSMatrix<6, 3> W = correlationMatrix(A, B);
        const CWTSMatrix<3, 6> WT = transpose(W);
        // The demo's two tests, and its recall: a cycle that meets the pair it is compared with.
        bool recalled = false;
        recallPair(W, WT, A, B, probe, CWTSVector<3>{}, false, [&recalled](const auto& cycle) {
            recalled = recalled || cycle.matched;
            return true;
        });
        if (distinct && recalled && thresholded(W * B[2]) == A[2] && thresholded(WT * A[0]) == B[0])
            return;
    }
}

void drawKcl(std::uint64_t seed, std::array<CWTSVector<2>, 5>& X, std::array<CWTSVector<2>, 2>& w,
             double& alpha) {
    Draw draw(seed);
    const double rates[] = {0.6, 0.8, 1};
    for (;;) {
        for (CWTSVector<2>& x : X)
            x = roundAngle(draw, 10);
        for (CWTSVector<2>& v : w)
            v = roundAngle(draw, 30);
        alpha = rates[draw.between(0, 2)];
        // The demo's training: the rate halved each cycle, until one changes nothing, after the
        // first and by the 200th.
        KclProblem problem{alpha, X, w, w};
        Unwatching unwatched;
        const Guard guard{200};
        if (endsAsAnExercise(trainKcl(problem, guard, unwatched), guard))
            return;
    }
}
