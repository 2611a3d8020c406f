#include "support/ScriptedMessages.h"

ScriptedMessages::ScriptedMessages(QList<int> answers, int fallback)
    : answers_(std::move(answers)), fallback_(fallback) {
    MsgBox::SetHandler([this](const MsgBox::Request& r) {
        shown_.append(r);
        return answers_.isEmpty() ? fallback_ : answers_.takeFirst();
    });
}

ScriptedMessages::~ScriptedMessages() { MsgBox::SetHandler({}); }
