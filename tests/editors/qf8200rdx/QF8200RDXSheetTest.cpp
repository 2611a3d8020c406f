// frmQF8200RDX's part of the parameter sheet: the sections and lines the
// window's state gives, as a text export and as CSV columns.
#include "editors/common/PrintData.h"
#include "editors/qf8200rdx/QF8200RDXFixture.h"

#include <QBuffer>

namespace {

class QF8200RDXSheetTest : public QF8200RDXWindowTest {
protected:
    void TearDown() override {
        PrintData::ResetExportStateForTests();
        QF8200RDXWindowTest::TearDown();
    }

    // The sheet as a text export, one "label|value" per line; a label keeps
    // its leading blanks.
    QStringList exported() {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        PrintData::ResetExportStateForTests();
        PrintData::ExportState().ExportFileNo = 1;
        PrintData::ExportState().ExportFile = &file;
        window->PrintData();
        QStringList lines;
        for (const QByteArray& line : file.data().split('\n')) {
            const QString text = QString::fromLatin1(line).remove('\r');
            QString label = text.left(39);
            while (label.endsWith(' ')) label.chop(1);
            lines.append(label + '|' + text.mid(39));
        }
        lines.removeLast();   // after the last line end
        return lines;
    }

    // The titles of the sections: each line after an empty one.
    static QStringList sections(const QStringList& lines) {
        QStringList titles;
        for (int i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "|") titles.append(lines[i + 1].section('|', 0, 0));
        return titles;
    }
};

TEST_F(QF8200RDXSheetTest, EveryOutputAndTheInclinationSwitch) {
    const QStringList expected = {
        "|",
        "Messung|",
        "Schallgeschwindigkeit|343.3m/s",
        "bei 0°C|331.3m/s",
        "Temperatur Offset|0.0°C",
        "Temperatur|20.0°C",
        "Taktzeit|0",
        "Offset Zykluszeit|10ms",
        "|",
        "Auswertung|",
        "Filter Timeout|3",
        "Konservatives Filter|5",
        "Blindbereich|250mm",
        "Neigungsschalter|Aktiv",   // part of the evaluation: no empty line before it
        "    Einschaltverzögerung|1500ms",
        "    Ausschaltverzögerung|100ms",
        "|",
        "Schaltausgang 1|",
        "Schaltpunkt|800mm",
        "Schalthysterese|5%",
        "Schaltmodus|Öffner",
        "Störverhalten|2",
        "|",
        "Schaltausgang 2|",
        "Schaltpunkt|1600mm",
        "Schalthysterese|6%",
        "Schaltmodus|Schließer",
        "Störverhalten|0",
        "|",
        "Schaltausgang 3|",
        "Schaltpunkt|2400mm",
        "Schalthysterese|7%",
        "Schaltmodus|Inaktiv",
        "Störverhalten|1",
        "|",
        "Analogausgang|",
        "Nahe Grenze|400",
        "Ferne Grenze|3600",
        "Fehlerstrom|3.6mA",
        "|",
        "Störverhalten|",
        "Kein Echo|Fehler",
        "|",
        "Hauptanwendung|Analogausgabe",
        "|",
        "Auswertemethode|Tiefpass",
        "Abweichung|5",
        "Gewicht|100",
        "Verwerfungszähler|3",
    };
    EXPECT_EQ(exported(), expected);
}

TEST_F(QF8200RDXSheetTest, SectionsFollowTheSensorAndItsSettings) {
    struct Case {
        QHash<QString, QString> sensor;
        QStringList sections;
        QStringList present;
        QStringList absent;
    } const cases[] = {
        {Merged({TwoOutputs(), NoAnalog(), NoInclination(), {{"EM", "NONE"}}}),
         {"Messung", "Auswertung", "Schaltausgang 1", "Schaltausgang 2", "Störverhalten", "Hauptanwendung",
          "Auswertemethode"},
         {"Auswertemethode|Keine"},
         {"Neigungsschalter", "Fehlerstrom", "Abweichung"}},
        {Merged({TwoOutputs(), {{"UIS", "-1"}, {"EM", "MXN,5,2"}}}),
         {"Messung", "Auswertung", "Schaltausgang 1", "Schaltausgang 2", "Analogausgang", "Störverhalten",
          "Hauptanwendung", "Auswertemethode"},
         {"Neigungsschalter|Inaktiv", "Messwerte|5", "Ungültige Werte|2"},
         {"Einschaltverzögerung", "Gewicht"}},
        {{{"EM", "DYN,7"}, {"MA", "S"}},
         {"Messung", "Auswertung", "Schaltausgang 1", "Schaltausgang 2", "Schaltausgang 3", "Analogausgang",
          "Störverhalten", "Hauptanwendung", "Auswertemethode"},
         {"Abweichung|7", "Hauptanwendung|Schaltfunktion"},
         {"Verwerfungszähler", "Referenz"}},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        const QStringList lines = exported();
        EXPECT_EQ(sections(lines), c.sections);
        for (const QString& line : c.present) EXPECT_TRUE(lines.contains(line)) << line.toStdString();
        for (const QString& word : c.absent) EXPECT_FALSE(lines.join(' ').contains(word)) << word.toStdString();
    }
}

TEST_F(QF8200RDXSheetTest, CsvColumns) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PrintData::ExportState().ExportFileNo = 1;
    PrintData::ExportState().ExportCsv = 1;
    PrintData::ExportState().ExportFile = &file;
    window->PrintData();
    const QStringList labels = PrintData::ExportState().CsvRows[0].split(';');
    const QStringList values = PrintData::ExportState().CsvRows[1].split(';');
    ASSERT_EQ(labels.size(), values.size());
    // Titles with a value become columns, the others vanish.
    EXPECT_EQ(values.at(labels.indexOf("Hauptanwendung")), "Analogausgabe");
    EXPECT_EQ(values.at(labels.indexOf("Auswertemethode")), "Tiefpass");
    EXPECT_EQ(values.at(labels.indexOf("Neigungsschalter")), "Aktiv");
    EXPECT_FALSE(labels.contains("Messung"));
    EXPECT_FALSE(labels.contains("Schaltausgang 1"));
    EXPECT_EQ(values.at(labels.indexOf(QString::fromUtf8("    Einschaltverzögerung"))), "1500ms");
    EXPECT_EQ(labels.count("Schalthysterese"), 3);
}

}  // namespace
