#include "editors/common/SharedQuickHelp.h"

#include "frame/LanguageUtil.h"

namespace SharedQuickHelp {

void Register() {
    static const bool registered = [] {
        LanguageUtil::RegisterQuickHelpTexts({
            {SoundVelocity,
             "Schallgeschwindigkeit (Berechnet aus Temperatur, Referenz Distanz und Schallgeschwindigkeit bei 0°C)"},
            {TemperatureOffset, "Temperaturoffset zur vom Sensor gemessenen Temperatur"},
        });
        return true;
    }();
    (void)registered;
}

}  // namespace SharedQuickHelp
