#pragma once
#include <QByteArray>

#include <optional>

// The measurements a sensor streams in master mode, one line each, ended by
// a carriage return. The window hands over whatever arrived since its last
// look and shows the freshest complete line; a line still arriving waits for
// the next look, so a value is never shown cut in two.
class MasterStream {
public:
    // What comes next starts a new line (after a mode switch, which leaves
    // the line at the start of one).
    void Restart();

    // Adds the bytes that arrived and returns the last line they completed,
    // without its carriage return; nothing when no line ended. With cut set
    // the bytes behind these were lost, so the line they were part of is
    // skipped up to its end.
    std::optional<QByteArray> Take(const QByteArray& arrived, bool cut);

private:
    QByteArray partial_;           // the start of the line still arriving
    bool skipToLineEnd_ = false;   // we are inside a line whose start was lost
};
