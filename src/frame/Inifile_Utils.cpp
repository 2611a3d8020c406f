#include "frame/Inifile_Utils.h"

#include "frame/Message.h"
#include "frame/Registry.h"
#include "platform/ProfileString.h"

#include <QCursor>
#include <QGuiApplication>

namespace Inifile_Utils {
namespace {

// Set once message 3 has been shown and cleared by the next write that
// succeeds, so a run of failing writes shows the message once.
bool writeErrorShown = false;

// Shows the hourglass for the lifetime of the object while the file has to be
// read from disk. A file already in memory answers in microseconds, and every
// window text is such a lookup: switching the pointer for each of them would
// cost more than the lookup itself. Nothing to do without a GUI, or while the
// hourglass already shows.
class HourglassWhileReading {
public:
    explicit HourglassWhileReading(const QString& fileName) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
        if (ProfileString::IsCached(fileName)) return;
        const QCursor* current = QGuiApplication::overrideCursor();
        if (current && current->shape() == Qt::WaitCursor) return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        active_ = true;
    }
    ~HourglassWhileReading() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    HourglassWhileReading(const HourglassWhileReading&) = delete;
    HourglassWhileReading& operator=(const HourglassWhileReading&) = delete;

private:
    bool active_ = false;
};

}  // namespace

void ReadIniBuffer(const QString& fileName, const QString& section, const QString& key,
                   const QString& defaultValue, QString& result) {
    HourglassWhileReading hourglass(fileName);
    if (!key.isEmpty()) {
        result = Registry::TrimNull(ProfileString::Read(fileName, section, key, defaultValue));
        return;
    }
    result.clear();
    for (const QString& name : ProfileString::KeyNames(fileName, section)) result += name + QChar(0);
    result += QChar(0);
}

QString ReadIniString(const QString& fileName, const QString& section, const QString& key,
                      const QString& defaultValue) {
    QString result;
    ReadIniBuffer(fileName, section, key, defaultValue, result);
    return result;
}

bool WriteIniString(const QString& fileName, const QString& section, const QString& key,
                    const QString& value) {
    if (ProfileString::Write(fileName, section, key, value)) {
        writeErrorShown = false;
        return true;
    }
    if (!writeErrorShown) {
        writeErrorShown = true;
        ShowMessage(3);
    }
    return false;
}

void ResetWriteErrorFlag() { writeErrorShown = false; }

}  // namespace Inifile_Utils
