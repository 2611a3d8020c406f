#include "frame/Message.h"

#include "frame/LanguageUtil.h"
#include "frame/STRING_UTIL.h"
#include "platform/MsgBox.h"

using STRING_UTIL::ExpandNewlines;
using STRING_UTIL::StrFormat;

namespace Message {
namespace {

// The built-in German texts; "\n" is the two characters that ExpandNewlines
// turns into a line break after the arguments are filled in.
QString builtInText(int number) {
    switch (number) {
    case 1: return QStringLiteral("Der Sensor konnte nicht initialisiert werden!");
    case 2: return QStringLiteral("Fehler bei der Initialisierung der seriellen Schnittstelle!");
    case 3: return QStringLiteral("Fehler beim Schreiben der Initialisierungsdaten!");
    case 4: return QStringLiteral("Fehler beim öffnen der Protokolldatei!");
    case 5: return QStringLiteral("Sensor auf Defaultwerte zurücksetzen?");
    case 6: return QStringLiteral("Sensorkonfiguration auslesen?");
    case 7:
        return QStringLiteral("Die Sensortypen der Datendatei (%s) und des angeschlossenen\\n"
                              "Sensors(%s) stimmen nicht überein. Sollen die Daten trotzdem übertragen werden?");
    case 8: return QStringLiteral("Sie haben Parameterdaten verändert!\\nWollen Sie die geänderten Daten speichern?");
    case 9: return QStringLiteral("Dieser Gerätetyp unterstützt den Mastermodus nicht!");
    case 10:
        return QStringLiteral("Wenn Sie den Vorgang <%s> jetzt abbrechen, gehen möglicherweise Daten verloren.\\n\\n"
                              "Verarbeitung abbrechen?");
    case 11:
        return QStringLiteral("Beim Lesen der Sensordaten trat ein Fehler auf.\\n\\n"
                              "Befehl <%s> Fehler <%s>");
    case 12:
        return QStringLiteral("Die Valierungs Parameter Datei <%s> konnte nicht gefunden werden.\\n"
                              "Eingabevalidierungen werden nur Sensorseitig ausgeführt.");
    case 13:
        return QStringLiteral("Der Modus <%s> für den Sensor <%s> wird nicht unterstützt. "
                              "Die automatische Sensormode-Erkennung wird aktiviert.");
    // A file that could not be written is reported, never taken as saved.
    case 14: return QStringLiteral("Die Datei <%s> konnte nicht geschrieben werden.");
    // A commit, or writes of the data set, that the sensor did not take; values
    // of a parameter file that no field could hold.
    case 15:
        return QStringLiteral("Der Sensor hat den Wert für <%s> abgelehnt.\\n"
                              "Angezeigt wird der Wert, den der Sensor zuletzt bestätigt hat.");
    case 16:
        return QStringLiteral("Der Sensor hat auf das Schreiben von <%s> nicht geantwortet.\\n"
                              "Angezeigt wird der Wert, den der Sensor zuletzt bestätigt hat.");
    case 17:
        return QStringLiteral("Nicht alle Parameter wurden übernommen.\\n\\n"
                              "Vom Sensor abgelehnt: %s\\n"
                              "Keine Antwort vom Sensor: %s\\n"
                              "Ungültig in der Datendatei: %s");
    case 20: return QStringLiteral("Ungültige Datendatei!");
    // Saving under a name formed from the chosen one asks before it replaces
    // a file of that name.
    case 21: return QStringLiteral("Die Datei <%s> ist bereits vorhanden.\\nSoll sie ersetzt werden?");
    default: return QString();
    }
}

const QString ErrorsSection = QStringLiteral("Errors");

}  // namespace

QString GetErrorText(int number) {
    const QString text = GetLangText(ErrorsSection, QString::number(number), QString());
    return text.isEmpty() ? builtInText(number) : text;
}

int ShowMessage(int number, std::optional<int> buttons, std::optional<int> helpContext,
                std::optional<QString> arguments) {
    MsgBox::Request request;
    request.title = GetLangText(QStringLiteral("frmMessage"), QStringLiteral("frmMessage"), QStringLiteral("ZELVO 8200"));
    QString text = GetErrorText(number);
    if (text.isEmpty())
        text = GetLangText(ErrorsSection, QStringLiteral("Default"), QStringLiteral("Programmfehler! Fehlernummer")) +
               ' ' + QString::number(number);
    if (arguments) text = StrFormat(text, *arguments);
    request.text = ExpandNewlines(text);
    // Added, not or-ed: every caller's style was chosen with this sum in mind,
    // so 36 (Yes/No with the question mark) shows the information icon.
    request.style = buttons.value_or(0) + 32;
    if (helpContext) {
        request.helpFile = LanguageUtil::CurrentHelpFile();
        request.helpContext = *helpContext;
    }
    return MsgBox::Show(request);
}

}  // namespace Message
