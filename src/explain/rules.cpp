// Each demo's rule in symbols, with its constants in this run, and the legend of its trace:
// what each label stands for, and whether it is taken before or after the step's change.
#include "explain.h"
#include "run.h"
#include "settings.h"
#include "text.h"

#include <iostream>

namespace {

// The rule is written with --explain, and noted by a practice run for its sheet.
bool ruleWanted() {
    return settings().explain || thisRun().practice;
}

// Writes the block on lines of its own, a blank line after it; a practice run notes it.
void writeRule(const Lines& lines) {
    if (thisRun().practice) {
        thisRun().rule = lines;
        return;
    }
    for (const std::string& line : lines)
        std::cout << std::endl << line;
    std::cout << std::endl;
}

} // namespace

void explainSdptaRule(double C, int steps) {
    if (!ruleWanted())
        return;
    writeRule({"How it learns: fixed-increment correction of one signum neuron.",
               "  net = w . y            the net input: weights times pattern, summed",
               "  o = sgn(net)           the output: +1 when net >= 0, -1 when net < 0",
               "  r = (C / 2)(d - o)     the correction: 0 when o = d, otherwise C or -C",
               "  w = w + r y            the weights moved by r times the pattern",
               "  with C = " + number(C) + ", for " + whole(steps) +
                   " steps, the patterns in turn: y1 y2 y3 y4 y1 y2 ...",
               "The trace:", "  yN:     the pattern of step N; yN = yK=: pattern K once more",
               "  dK:     the response that pattern K should get",
               "  wN:     the weights before step N's correction (w1: the starting weights)",
               "  Final weight values: the weights after the last step"});
}

void explainMcdptaRule(double C) {
    if (!ruleWanted())
        return;
    writeRule({"How it learns: fixed-increment correction of three signum neurons, one a class.",
               "  net = wk . y           neuron k's net input for the pattern y",
               "  ok = sgn(net)          its output: +1 when net >= 0, -1 when net < 0",
               "  d                      +1 for the neuron of y's class, -1 for the others",
               "  r = (C / 2)(d - ok)    the correction: 0 when ok = d, otherwise C or -C",
               "  wk = wk + r y          at once: the next neuron and class see it",
               "  e = e + (1 / 2)(d - ok)^2   the cycle error: 2 for each wrong output",
               "  with C = " + number(C) + "; cycles repeat until one has no wrong output (e = 0).",
               "The trace:", "  Learning Cycle No.: N   the cycle",
               "  ## Class i ##   pattern yi, of class i, shown to each neuron in turn",
               "  ok:     neuron k's output, before its correction", "  d =     the output it should give",
               "  e =     the cycle error so far, this neuron's share added",
               "  =====   wk after this neuron's correction, one element a line"});
}

void explainScptaRule(double nu, double lambda, double errorLimit) {
    if (!ruleWanted())
        return;
    writeRule({"How it learns: the delta rule for one continuous bipolar neuron.",
               "  net = w . y                      the net input",
               "  o = 2 / (1 + exp(-lambda net)) - 1    the output, between -1 and 1",
               "  c = (nu * 0.5)(d - o)(1 - o^2)   the correction; (1 - o^2) / 2 is the slope",
               "                                   of the output at net when lambda is 1",
               "  w = w + c y                      the weights, after every pattern",
               "  e = e + 0.5 (d - o)^2            the cycle error, summed over the cycle",
               "  with nu = " + number(nu) + " and lambda = " + number(lambda) +
                   "; cycles repeat while a cycle's e is above " + number(errorLimit) + ".",
               "The trace:", "  e =     the cycle error so far, this pattern's share added",
               "  w =     the weights after this pattern's correction",
               "  e =, w after training: the last cycle's error, the final weights",
               "  TESTING: each pattern's output with the final weights, rounded (o =)"});
}

void explainMccptaRule(double nu, double lambda, double errorLimit) {
    if (!ruleWanted())
        return;
    writeRule({"How it learns: the delta rule for three continuous bipolar neurons, one a class",
               "  net = wk . y                      neuron k's net input for the pattern y",
               "  ok = 2 / (1 + exp(-lambda net)) - 1    its output, between -1 and 1",
               "  d                                 +1 for the neuron of y's class, -1 else",
               "  c = (nu * 0.5)(d - ok)(1 - ok^2)  the correction; (1 - ok^2) / 2 is the",
               "                                    slope of the output when lambda is 1",
               "  wk = wk + c y                     at once: the next neuron and class see it",
               "  e = e + 0.5 (d - ok)^2            the cycle error, summed over the cycle",
               "  with nu = " + number(nu) + " and lambda = " + number(lambda) +
                   "; cycles repeat while a cycle's e is above " + number(errorLimit) + ".",
               "The trace:", "  Learning Cycle No.: N   the cycle",
               "  ## Class i ##   pattern yi, of class i, shown to each neuron in turn",
               "  ok:     neuron k's output, before its correction", "  d =     the output it should give",
               "  e =     the cycle error so far, this neuron's share added",
               "  =====   wk after this neuron's correction, one element a line",
               "  Input pattern Yk, ok, Output =: neuron k's test on its own class"});
}

void explainBpnRule(double nu, double lambda, double threshold, double errorLimit,
                    const std::array<CwMtx::CWTSVector<3>, 4>& X, const std::array<double, 4>& d) {
    if (!ruleWanted())
        return;
    std::string targets = "   ";
    for (unsigned p = 0; p < 4; ++p)
        targets += " X" + whole(p + 1) + " (" + number(X[p][0]) + ", " + number(X[p][1]) + ") -> " +
                   number(d[p]) + (p < 3 ? "," : "");
    writeRule(
        {"How it learns: back-propagation in two layers of unipolar neurons.",
         "  netk = vk . x    yk = 1 / (1 + exp(-netk))   hidden neurons k = 1, 2",
         "  y3 = " + number(threshold) + ", the threshold: the bias unit's output (its row v3 takes no part)",
         "  net = w . y      o = 1 / (1 + exp(-net))     the output neuron",
         "  e = e + 0.5 (d - o)^2                        the cycle error",
         "  delO = (d - o) o (1 - o)                     the output's error term",
         "  delYk = (1 - yk) yk wk delO                  the hidden ones', with w before",
         "                                               its update; delY3 = 0",
         "  w = w + nu delO y    vk = vk + nu delYk x    both layers' corrections",
         "  with nu = " + number(nu) + "; lambda = " + number(lambda) +
             " takes no part: these neurons' steepness is 1.",
         "  The targets d: the exclusive-or of the default inputs, kept for inputs typed:", targets,
         "  Cycles repeat while a cycle's e is above " + number(errorLimit) + ".",
         "The trace:", "  Working with pattern X[p]: x, the inputs and the bias input",
         "  y;      the hidden outputs y1, y2 and the bias unit's y3",
         "  w:      the output weights before this pattern",
         "  o, d[p], e, delO: the output, its target, the cycle error so far, delO",
         "  w =     the output weights after; v[k]: hidden row k after"});
}

void explainHamRule() {
    if (!ruleWanted())
        return;
    writeRule({"How it recalls: a Hopfield memory of three bipolar vectors.",
               "  W = V1 V1^T + V2 V2^T + V3 V3^T - 3 I   the outer products summed, 3 taken",
               "                                         off the diagonal (which clears it)",
               "  net[k] = W[k] . x       neuron k's net input from the probe x",
               "  y[k] = sgn(net[k])      +1 when net[k] >= 0, -1 below",
               "  Each neuron is evaluated once a cycle, in a random order, each from x, so",
               "  the order changes nothing. Elements are numbered from 0, as when typed.",
               "The trace:", "  Cycle no.: 1  [ ... ]   y, the vector recalled; retrieved when y = x"});
}

void explainBamRule(bool probeIsB) {
    if (!ruleWanted())
        return;
    writeRule({"How it recalls: a bidirectional memory of four pairs, A of 6, B of 3.",
               "  W = A1 B1^T + A2 B2^T + A3 B3^T + A4 B4^T    the pairs' outer products",
               "  b = sgn(wT a)     a forward pass: from A's side to B's",
               "  a = sgn(W b)      a backward pass: from B's side to A's",
               "  sgn of each element: +1 when it is >= 0, -1 below",
               std::string("  A recall cycle: ") + (probeIsB ? "a backward pass, then a forward one."
                                                             : "a forward pass, then a backward one."),
               "  Cycle c ends the recall when a or b equals that of pair 2c - 1.",
               "The trace:", "  w:, wT:  the matrix and its transpose, a row a line",
               "  Testing by inputting b3 ...: a = sgn(W b3), set against a3",
               "  Testing by inputting a1 ...: b = sgn(wT a1), set against b1",
               "  Cycle no.: c   the recall's cycle; Retreived a, b: where it ended",
               "  k:      the pair it matched"});
}

void explainKclRule(double storedAlpha) {
    if (!ruleWanted())
        return;
    writeRule(
        {"How it learns: winner-take-all (Kohonen) learning of two neurons.",
         "  dj = sqrt((x0 - wj[0])^2 + (x1 - wj[1])^2)   neuron j's distance from x",
         "  the winner: the nearer neuron (a tie goes to neuron 2); it alone learns:",
         "  w = w + alpha (x - w)      it moves towards the pattern,",
         "  w = w / |w|                and is rescaled to length 1",
         "  alpha is halved at the start of every cycle: the alpha shown, " + number(storedAlpha * 0.5) + ",",
         "  is half the " + number(storedAlpha) + " stored, and the rate of cycle 1; " +
             number(storedAlpha * 0.25) + " that of cycle 2, ...",
         "  Training ends after the first cycle that leaves every weight unchanged.", "The trace:",
         "  Input Vector Xp:   the step's pattern", "  d1 =, d2 =         each neuron's distance from it",
         "  minD, minDneuron   the smallest distance so far and its neuron",
         "  The winning neuron is j with a value of: its distance",
         "  The weight vector is: w1, w2 after the step"});
}
