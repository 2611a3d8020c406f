#include "link/TakenValues.h"

#include "link/Ports.h"
#include "link/Sensor.h"

void TakenValues::Took(int key) { taken_.append({key, Sensor::LastAnswerStretch()}); }

void TakenValues::TookSince(int key, quint64 firstStretch) {
    for (quint64 stretch = firstStretch; stretch <= Ports::StepStretch(); ++stretch) taken_.append({key, stretch});
}

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
