#include "platform/ProgramEnd.h"

namespace ProgramEnd {
namespace {

struct EndState {
    bool ending = false;
};

EndState& state() {
    static EndState s;
    return s;
}

}  // namespace

void Begin() { state().ending = true; }
bool Ending() { return state().ending; }
void ResetForTests() { state() = EndState(); }

}  // namespace ProgramEnd
