#include "editors/qf8200/QF8200QuickHelp.h"

#include "editors/common/SharedQuickHelp.h"
#include "frame/LanguageUtil.h"

// 1103 (the DIP switches) has no text: no control shows it.
void RegisterQF8200QuickHelpTexts() {
    SharedQuickHelp::Register();
    LanguageUtil::RegisterQuickHelpTexts({
        {1001, "Schallgeschwindigkeit bei 0°C (100 ... 600m/s)"},
        {1002, "Referenztemperatur für die Auswertung"},
        {1003, "Konstante Taktzeit. Bei 0 passt sich der Sensor automatisch an."},
        {1004, "Konstante Pausenzeit, die der Sensor nach jeder Messung wartet (0 ... 1000) "},
        {1005, "Anzahl der zu ignorierenden Messungen(0 ... 255)"},
        {1006, "Verhalten des Ausgangsfilters (0 ... 255)"},
        {1007, "Bereich in dem der Sensor alle Reflektionen ignoriert"},
        {1008, "Status der Dipschalter"},
        {1009, "Erster Schaltpunkt von Schaltausgang 1"},
        {1010, "Zweiter Schaltpunkt von Schaltausgang 1"},
        {1011, "Schalthysterese von Schaltausgang 1 (0 ... 15%)"},
        {1012, "Schaltverhalten von Schaltausgang 1. Achtung DIP-Schalter beachten!"},
        {1013, "Betriebsart von Schaltausgang 1"},
        {1014, "Erster Schaltpunkt von Schaltausgang 2"},
        {1015, "Zweiter Schaltpunkt von Schaltausgang 2"},
        {1016, "Schalthysterese von Schaltausgang 2 (0 ... 15%)"},
        {1017, "Schaltverhalten von Schaltausgang 2. Achtung DIP-Schalter beachten!"},
        {1018, "Betriebsart von Schaltausgang 2"},
        {1019, "Schaltverhalten des Sensors im Störfall (0,1,2)"},
        {1020, "Stromstärke im Fehlerfall (0 ... 4mA)"},
        {1021, "Auswertemethode des Sensors"},
        {1022, "Prozentuale Abweichung vom Messwert (0 ... 15%)"},
        {1023, "Gewichtung der letzen Messwerte (0 ... 1000)"},
        {1024, "Zählerschwelle für die Verwerfung abweichender Messwerte (0 ... 15)"},
        {1025, "Anzahl der Messwerte für eine Auswertung (2 ... 8)"},
        {1026, "Anzahl der zu unterdrückenden Messwerte"},
        {1027, "Nahe Auswertegrenze des Sensors. Steigende Flanke falls nahe Grenze kleiner als ferne Grenze."},
        {1028, "Ferne Auswertegrenze des Sensors. Fallende Flanke falls ferne Grenze kleiner als nahe Grenze."},
        {1029, "Betriebsart des Analogausgangs"},
        {1030, "Aktuelle Referenzentfernung. Wert kann nicht abgefragt werden!"},
        {1031, "Verhalten des Schaltausgangs im geschlossenen Zustand"},
        {1032, "Anzeigen von Fehlerzuständen über die rote Fehler-LED"},
        {1033, "Entfernung ab der der Sensor Echos ignoriert"},
        {1034, "Verhalten beim Fehlen eines Echos"},
    });
}
