#include "link/OfflineAnswers.h"

namespace OfflineAnswers {
namespace {

Hooks& installed() {
    static Hooks hooks;
    return hooks;
}

}  // namespace

void Install(Hooks hooks) { installed() = std::move(hooks); }

QString GetFileValue(int fileNo, const QString& key) {
    return installed().GetFileValue ? installed().GetFileValue(fileNo, key) : QString();
}

void WriteFileLine(int fileNo, const QString& line) {
    if (installed().WriteFileLine) installed().WriteFileLine(fileNo, line);
}

}  // namespace OfflineAnswers
