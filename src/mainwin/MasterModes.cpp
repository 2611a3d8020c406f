#include "mainwin/MasterModes.h"

namespace MasterModes {

const MasterLine& QF8200() {
    static const MasterLine line{
        QStringLiteral("frmMasterQF8200"),
        {QStringLiteral("OFF"), QStringLiteral("AD"), QStringLiteral("RD"), QStringLiteral("RT"), QStringLiteral("SS")},
        {QStringLiteral("Pause"), QStringLiteral("Absoluter Abstand [mm]"), QStringLiteral("Relativer Abstand [digit]"),
         QStringLiteral("Laufzeit [1,085us]"), QStringLiteral("Ausgänge")},
        true,
        false,
        1,
    };
    return line;
}

const MasterLine& QF8200RDX() {
    static const MasterLine line = [] {
        MasterLine rdx = QF8200();
        rdx.windowName = QStringLiteral("frmMasterQF8200RDX");
        rdx.relativeNeedsNoSwitch2 = false;
        rdx.flushBeforeModeOff = true;
        return rdx;
    }();
    return line;
}

const MasterLine& QT8200() {
    static const MasterLine line{
        QStringLiteral("frmMasterQT8200"),
        {QStringLiteral("OFF"), QStringLiteral("AD"), QStringLiteral("RD"), QStringLiteral("SS"), QStringLiteral("OR")},
        {QStringLiteral("Pause"), QStringLiteral("Absoluter Abstand"), QStringLiteral("Relativer Abstand"),
         QStringLiteral("Ausgänge"), QStringLiteral("Objekt im Auswertebereich")},
        false,
        false,
        3,
    };
    return line;
}

int ModeIndex(const MasterLine& line, const QString& mode) {
    for (int i = 0; i < MasterLine::ModeCount; ++i)
        if (line.modes[i] == mode) return i;
    return 0;
}

}  // namespace MasterModes
