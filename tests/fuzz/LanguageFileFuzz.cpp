// A language file "WZLVLANG.FUZ" in the program folder with any content: the
// language list is read, the file's language chosen, every text it holds
// looked up, the numbered messages (with arguments) and quick-help texts
// taken from it, and the editor windows and the progress window translated.
#include "FuzzSupport.h"

#include "editors/common/frmRWState.h"
#include "editors/qf8200/frmQF8200.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"
#include "editors/qt8200/frmQT8200.h"
#include "frame/LanguageUtil.h"
#include "frame/Message.h"
#include "frame/Window.h"
#include "platform/Folders.h"

#include <memory>
#include <vector>

namespace {

const QString FileName = QStringLiteral("WZLVLANG.FUZ");

// The windows, made once: a window keeps its design texts from its first
// translation, as in the program.
struct Windows {
    std::vector<std::unique_ptr<SensorEditor>> editors;
    std::unique_ptr<frmRWState> progress = std::make_unique<frmRWState>();

    Windows() {
        editors.push_back(std::make_unique<frmQF8200>());
        editors.push_back(std::make_unique<frmQF8200Echo>());
        editors.push_back(std::make_unique<frmQF8200RDX>());
        editors.push_back(std::make_unique<frmQT8200>());
        for (auto& editor : editors) editor->Init();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Windows windows;
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString path = Folders::JoinPath(Fuzz::ProgramFolder(), FileName);
    Fuzz::WriteFile(path, bytes);

    LanguageUtil::ResetLanguages();
    LanguageUtil::InitLanguages(QStringLiteral("GER"), QStringLiteral("Deutsch"));
    int index = 1;
    LanguageUtil::SelectLanguage(index);
    Window::ResolveHelp(7);

    for (const QString& section : Fuzz::SectionNames(bytes))
        for (const QString& key : Fuzz::KeysOf(path, section)) GetLangText(section, key, QString());
    for (int number = 1; number <= 21; ++number)
        ShowMessage(number, std::nullopt, std::nullopt, QStringLiteral("first|second|%s"));
    for (int id : {0, 1, 12, 100, 1000}) GetQuickHelp(id);
    for (const QString& key : Fuzz::KeysOf(path, QStringLiteral("QuickHelp"))) GetQuickHelp(key.toInt());

    for (auto& editor : windows.editors) editor->SetLanguage();
    windows.progress->SetLanguage();
    return 0;
}
