#include "link/TakenValues.h"

#include "link/Ports.h"

void TakenValues::Took(int key) { taken_.append({key, Ports::StepStretch()}); }

bool TakenValues::InStep(const std::function<void()>& take) {
    TakenValues taken;
    take();
    taken.Took(0);
    return taken.OutOfStep().isEmpty();
}

QList<int> TakenValues::OutOfStep() const {
    QList<int> keys;
    if (taken_.isEmpty()) return keys;
    Ports::ConfirmInStep();
    for (const Taken& t : taken_)
        if (Ports::OutOfStepIn(t.stretch)) keys.append(t.key);
    return keys;
}
