#include "editors/common/EditorLink.h"

#include "link/Sensor.h"

namespace {

class CommandLayerLink : public EditorLink {
public:
    int SendCommand(const QString& command, QString& answer, Ports::AnswerBytes& answerBytes,
                    std::optional<int> fileNo) override {
        return Sensor::SendCommand(command, answer, answerBytes, fileNo, /*dynamic=*/false,
                                   /*useRetries=*/true, /*log=*/true);
    }
    WriteOutcome SetParameter(const QString& key, const QString& value, std::optional<int> fileNo) override {
        QString answer;
        Sensor::SetParameter(key, value, fileNo, &answer, /*log=*/true, /*timeoutMs=*/0);
        if (fileNo || value.isEmpty()) return WriteOutcome::Taken;
        return OutcomeOfAnswer(answer);
    }
    int ReadUnlogged(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) override {
        return Sensor::SendCommand(request, answer, answerBytes, std::nullopt, /*dynamic=*/false,
                                   /*useRetries=*/true, /*log=*/false);
    }
    QString WriteUnlogged(const QString& request, const QString& value, int timeoutMs) override {
        QString answer;
        Sensor::SetParameter(request, value, std::nullopt, &answer, /*log=*/false, timeoutMs);
        return answer;
    }
};

CommandLayerLink commandLayer;
EditorLink* installed = nullptr;

}  // namespace

namespace Editors {

void SetLink(EditorLink* link) { installed = link; }

EditorLink& Link() { return installed ? *installed : commandLayer; }

}  // namespace Editors
