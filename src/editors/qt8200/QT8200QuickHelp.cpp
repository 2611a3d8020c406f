#include "editors/qt8200/QT8200QuickHelp.h"

#include "editors/common/SharedQuickHelp.h"
#include "frame/LanguageUtil.h"

// 2007, 2021 (BDE) and 2103 (DIP) have no text: no control shows them.
void RegisterQT8200QuickHelpTexts() {
    SharedQuickHelp::Register();
    LanguageUtil::RegisterQuickHelpTexts({
        {2001, "Schallgeschwindigkeit, Berechnungsgrundlage für die Laufzeitmessung (1,00 ... 655,34m/s)"},
        {2002, "Aktuelle Referenzentfernung. Wert kann nicht abgefragt werden!"},
        {2003, "Pause zufälliger Länge zwischen 2 Laufzeitmessungen (0, 1)"},
        {2004, "Konstante Taktzeit. Bei 0 passt sich der Sensor automatisch an."},
        {2005, "Konstante Pausenzeit, die der Sensor nach jeder Messung wartet. (0 ... 100)"},
        {2006, "Zählerschwelle für das konservative Filter (0 ... 255)"},
        {2008, "Status der Dipschalter"},
        {2009, "Schaltpunkt von Schaltausgang 1"},
        {2010, "Schalthysterese von Schaltausgang 1 (0 ... 15%)"},
        {2011, "Filterstatus von Schaltausgang 1"},
        {2012, "Schaltverhalten von Schaltausgang 1. Achtung DIP-Schalter beachten!"},
        {2013, "Schaltpunkt von Schaltausgang 2"},
        {2014, "Schalthysterese von Schaltausgang 2 (0 ... 15%)"},
        {2015, "Filterstatus von Schaltausgang 2"},
        {2016, "Schaltverhalten von Schaltausgang 2. Achtung DIP-Schalter beachten!"},
        {2017, "Nahe Auswertegrenze des Sensors. Steigende Flanke falls nahe Grenze kleiner als ferne Grenze."},
        {2018, "Ferne Auswertegrenze des Sensors. Fallende Flanke falls ferne Grenze kleiner als nahe Grenze."},
        {2019, "Prozentuale Breite des Messwertfensters (0 ... 25%)"},
        {2020, "Filterstatus des Analogausgangs"},
        {2022, "Anzahl der zu ignorierenden Messungen ohne Echosignal (0 ... 255)"},
        {2023, "Aktivierung der statischen oder mittelnden Auswertung"},
        {2024, "Anzahl der Messwerte für die statische bzw. mittelnde Auswertung"},
        {2025, "Aktivierung der dynamischen oder bewertenden Auswertung"},
    });
}
