// Language-system benchmark: GetLangText runs for every control of every
// window whenever a window loads or the language changes, so it must stay
// cheap even with a large language file.
//
// How to run (after building):
//   build/bench/language_bench
// It writes a language file of 40 window sections with 60 keys each (about
// 2500 lines) to a temporary program folder, selects it and prints:
//   a) the mean time of one GetLangText lookup (a key in the last section),
//      target < 10 us;
//   b) the time to translate a window of 200 labels with TranslateForm,
//      target < 5 ms.
// Run it under a real display (xvfb-run) as well as offscreen: the hourglass
// that INI reads show costs more on a real display.
#include "frame/LanguageUtil.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Sections = 40;
constexpr int KeysPerSection = 60;
constexpr int Lookups = 20000;
constexpr int FormLabels = 200;

QByteArray languageFile() {
    QByteArray bytes = "[Main]\r\nLanguage=English\r\nFile=WZLVLANG.ENG\r\n";
    for (int s = 0; s < Sections; ++s) {
        bytes += "[frmWindow" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < KeysPerSection; ++k)
            bytes += "lblControl" + QByteArray::number(k) + "=Translated text number " + QByteArray::number(k) + "\r\n";
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Folders::SetProgramFolderForTests(folder.path());
    QFile file(folder.filePath("WZLVLANG.ENG"));
    if (!file.open(QIODevice::WriteOnly) || file.write(languageFile()) < 0) return 1;
    file.close();
    LanguageUtil::InitLanguages("GER", "Deutsch");
    int english = 1;
    LanguageUtil::SelectLanguage(english);

    // A window on the screen, as in the program: pointer changes reach it.
    QWidget shown;
    shown.show();
    app.processEvents();

    const QString lastSection = "frmWindow" + QString::number(Sections - 1);
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < Lookups; ++i)
        sink += GetLangText(lastSection, "lblControl" + QString::number(i % KeysPerSection), "dflt").size();
    const double perLookupUs = double(timer.nsecsElapsed()) / Lookups / 1000.0;

    QWidget form;
    for (int i = 0; i < FormLabels; ++i) {
        auto* label = new QLabel("Entwurf", &form);
        label->setObjectName("lblControl" + QString::number(i));
    }
    LanguageUtil::StoreFormTexts(&form);
    timer.restart();
    LanguageUtil::TranslateForm(lastSection, &form);
    const double formMs = double(timer.nsecsElapsed()) / 1e6;

    std::printf("a) GetLangText: %.2f us per lookup (target < 10 us)\n", perLookupUs);
    std::printf("b) TranslateForm of %d labels: %.2f ms (target < 5 ms)\n", FormLabels, formMs);
    return sink > 0 ? 0 : 1;
}
