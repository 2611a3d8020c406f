#include "editors/qf8200echo/EchoLink.h"

#include "link/Sensor.h"

namespace {

class CommandLayerLink : public EchoLink {
public:
    int Read(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) override {
        return Sensor::SendCommand(request, answer, answerBytes, std::nullopt, /*dynamic=*/false,
                                   /*useRetries=*/true, /*log=*/false);
    }
    QString Write(const QString& request, const QString& hex, int timeoutMs) override {
        QString answer;
        Sensor::SetParameter(request, hex, std::nullopt, &answer, /*log=*/false, timeoutMs);
        return answer;
    }
    QString ReadFile(const QString& key, int fileNo) override {
        QString value;
        Ports::AnswerBytes unused{};
        Sensor::SendCommand(key, value, unused, fileNo);
        return value;
    }
    void WriteFile(const QString& key, const QString& value, int fileNo) override {
        Sensor::SetParameter(key, value, fileNo, nullptr, /*log=*/true);
    }
};

CommandLayerLink commandLayer;
EchoLink* installed = nullptr;

}  // namespace

namespace QF8200Echo {

void SetLink(EchoLink* link) { installed = link; }

EchoLink& Link() { return installed ? *installed : commandLayer; }

}  // namespace QF8200Echo
