#include "editors/qf8200rdx/QF8200RDXQuickHelp.h"

#include "frame/LanguageUtil.h"

void RegisterQF8200RDXQuickHelpTexts() {
    LanguageUtil::RegisterQuickHelpTexts({
        {3001, "Schallgeschwindigkeit bei 0°C (100 ... 600m/s)"},
        {3002, "Referenztemperatur für die Auswertung"},
        {3003, "Aktuelle Referenzentfernung. Wert kann nicht abgefragt werden!"},
        {3004, "Konstante Taktzeit. Bei 0 passt sich der Sensor automatisch an. (0,1,2,3)"},
        {3005, "Konstante Pausenzeit, die der Sensor nach jeder Messung wartet. (0 ... 1000)"},
        {3006, "Anzahl der zu ignorierenden Messungen (0 ... 255)"},
        {3007, "Verhalten des Ausgangsfilters (0 ... 255)"},
        {3008, "Bereich in dem der Sensor alle Reflektionen ignoriert"},
        {3009, "Verhalten beim Fehlen eines Echos"},
        {3010, "Schaltpunkt von Schaltausgang 1"},
        {3011, "Schalthysterese von Schaltausgang 1 (0 ... 15%)"},
        {3012, "Schaltverhalten von Schaltausgang 1"},
        {3013, "Schaltverhalten von Schaltausgang 1 im Störfall (0,1,2)"},
        {3015, "Schaltpunkt von Schaltausgang 2"},
        {3016, "Schalthysterese von Schaltausgang 2 (0 ... 15%)"},
        {3017, "Schaltverhalten von Schaltausgang 2"},
        {3018, "Schaltverhalten von Schaltausgang 2 im Störfall (0,1,2)"},
        {3020, "Schaltpunkt von Schaltausgang 3"},
        {3021, "Schalthysterese von Schaltausgang 3 (0 ... 15%)"},
        {3022, "Schaltverhalten von Schaltausgang 3"},
        {3023, "Schaltverhalten von Schaltausgang 3 im Störfall (0,1,2)"},
        {3031, "Hauptanwendung des Sensors. (Steuerung des Verhaltens der Leuchtdioden)"},
        {3032, "Neigungsschalter aktivieren oder deaktivieren"},
        {3033, "Einschaltverzögerung des Neigungsschalters (0 ... 2550ms)"},
        {3034, "Ausschaltverzögerung des Neigungsschalters (0 ... 2550ms)"},
        {3035, "Nahe Auswertegrenze des Sensors. Steigende Flanke falls nahe Grenze kleiner als ferne Grenze."},
        {3036, "Ferne Auswertegrenze des Sensors. Fallende Flanke falls ferne Grenze kleiner als nahe Grenze."},
        {3037, "Stromstärke im Fehlerfall (0 ... 4mA)"},
        {3038, "Auswertemethode des Sensors"},
        {3039, "Prozentuale Abweichung vom Messwert (0 ... 15%)"},
        {3040, "Gewichtung der letzen Messwerte (0 ... 1000)"},
        {3041, "Zählerschwelle für die Verwerfung abweichender Messwerte (0 ... 15)"},
        {3042, "Anzahl der Messwerte für eine Auswertung (0 ... 8)"},
        {3043, "Anzahl der zu unterdrückenden Messwerte"},
        {3101, "Schallgeschwindigkeit (Berechnet aus Temperatur, Referenz Distanz und Schallgeschwindigkeit bei 0°C)"},
        {3102, "Temperaturoffset zur vom Sensor gemessenen Temperatur"},
    });
}
