#include "FakeSensorLine.h"

#include <QThread>

void FakeSensorLine::Output(const QByteArray& bytes) {
    QByteArray request = bytes;
    if (request.endsWith('\r')) request.chop(1);
    requests.append(request);
    if (duringWait) duringWait(request);
    if (respond) input_.append(respond(request));
}

bool FakeSensorLine::waitForInput(int ms) {
    // A missing answer costs its timeout in short naps, not a busy loop.
    if (input_.isEmpty() && ms > 0) QThread::msleep(1);
    return !input_.isEmpty();
}
