#include "link/SensorRequest.h"

#include "link/Sensor.h"

namespace Sensor {

QString SendLoggedRequest(const QString& command, std::optional<int> fileNumber) {
    QString answer;
    Ports::AnswerBytes bytes{};
    SendCommand(command, answer, bytes, fileNumber, false, true, true);
    return answer;
}

void SettlePause() {
    for (int i = 0; i < 5; ++i)
        Ports::Delay(0);
}

}  // namespace Sensor
