#pragma once
#include "platform/MsgBox.h"

#include <QList>

// Answers message boxes from a list instead of showing them, and records
// every box that was asked for. Restores the real boxes when it goes away.
// With the list used up, every further box is answered with `fallback`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(QList<int> answers = {}, int fallback = MsgBox::Ok);
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void answer(int result) { answers_.append(result); }
    const QList<MsgBox::Request>& shown() const { return shown_; }
    int count() const { return shown_.size(); }

private:
    QList<int> answers_;
    int fallback_;
    QList<MsgBox::Request> shown_;
};
