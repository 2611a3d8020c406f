#include "editors/qf8200echo/QF8200EchoQuickHelp.h"

#include "editors/common/SharedQuickHelp.h"
#include "frame/LanguageUtil.h"

// 4001, 4002, 4028, 4029, 4100 and 4101 have no text: their controls clear
// the help line. The list of the start-up state shows 4030, as designed.
void RegisterQF8200EchoQuickHelpTexts() {
    SharedQuickHelp::Register();
    LanguageUtil::RegisterQuickHelpTexts({
        {4003, "Schallgeschwindigkeit bei 0°C (100 ... 600m/s)"},
        {4004, "Temperaturoffset zur vom Sensor gemessenen Temperatur"},
        {4005, "Anzahl der zu ignorierenden Messungen (0 ... 255)"},
        {4006, "Schaltpunkt 1 von Schaltausgang 1"},
        {4007, "Schaltpunkt 2 von Schaltausgang 1"},
        {4008, "Schaltpunkt 1 von Schaltausgang 2"},
        {4009, "Schaltpunkt 2 von Schaltausgang 2"},
        {4010, "Bereich in dem der Sensor alle Reflektionen ignoriert"},
        {4011, "Entfernung ab der der Sensor Echos ignoriert"},
        {4012, "Schalthysterese von Schaltausgang 1 (0 ... 15%)"},
        {4013, "Schalthysterese von Schaltausgang 2 (0 ... 15%)"},
        {4014, "Schaltverhalten von Schaltausgang 1"},
        {4015, "Schaltverhalten von Schaltausgang 2"},
        {4016, "Betriebsart von Schaltausgang 1"},
        {4017, "Betriebsart von Schaltausgang 2"},
        {4018, "Schaltzustand im Fehlerfall"},
        {4019, "Einschaltverzug von Schaltausgang 1 (0 ... 255)"},
        {4020, "Einschaltverzug von Schaltausgang 2 (0 ... 255)"},
        {4021, "Konstante Taktzeit. Bei 0 passt sich der Sensor automatisch an. (0,1,2,3)"},
        {4022, "Konstante Pausenzeit, die der Sensor nach jeder Messung wartet. (0 ... 1000)"},
        {4023, "Empfindlichkeit des Sensors"},
        {4024, "Auswertemethode des Sensors"},
        {4025, "Anzahl der zu unterdrückenden Messwerte"},
        {4026, "Anzahl der Messwerte für eine Auswertung (0 ... 8)"},
        {4027, "Verhalten beim Fehlen eines Echos"},
        {4030, "Ausschaltverzug von Schaltausgang 1"},
        {4031, "Ausschaltverzug von Schaltausgang 2"},
        {4032, "Nahe Auswertegrenze des Sensors."},
        {4033, "Ferne Auswertegrenze des Sensors."},
        {4034, "Schaltverhalten des Analogausgangs."},
        {4035, "Kompensation des Analogausgangs."},
        {4036, "Gewichtung der letzen Messwerte (0 ... 65536)"},
        {4102, "Umschaltung Schallkeulenmodifikation/Empfindlichkeit"},
        {4103, "Einstellung der axialen Schallkeulenbreite"},
        {4104, "Einstellung der lateralen Schallkeulenbreite"},
    });
}
