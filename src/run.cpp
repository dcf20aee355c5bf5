#include "run.h"

namespace {

RunState outsideAnyRun;
RunState* current = &outsideAnyRun;

} // namespace

RunState& thisRun() {
    return *current;
}

RunScope::RunScope(RunState& run) : before(current) {
    current = &run;
}

RunScope::~RunScope() {
    current = before;
}
