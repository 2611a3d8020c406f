#pragma once
#include <QString>
#include <optional>

// Numbered message boxes: the text comes from the language file's "Errors"
// section or the built-in German table.
namespace Message {

QString GetErrorText(int number);

// Returns the pressed button (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
// 6 Yes, 7 No). The caller's style has 32 added to it (added, not or-ed).
int ShowMessage(int number, std::optional<int> buttons = std::nullopt,
                std::optional<int> helpContext = std::nullopt,
                std::optional<QString> arguments = std::nullopt);

}  // namespace Message

using Message::GetErrorText;
using Message::ShowMessage;
