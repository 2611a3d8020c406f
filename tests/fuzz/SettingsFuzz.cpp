// The settings file and the default window places on any content: the
// settings are loaded (numbers, flags, port, language, recent files, the
// protocol file's options), the serial timeouts read and the program's
// windows placed from their stored or default places. Saving and loading
// again must give the same numbers: a setting never drifts from run to run.
#include "FuzzSupport.h"

#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "frame/Window.h"
#include "link/Ports.h"
#include "mainwin/FileIO.h"
#include "platform/Folders.h"

#include <QWidget>

#include <array>
#include <memory>

namespace {

const char* const WindowNames[] = {"frmMain", "frmShowIt", "frmMonitor", "frmQF8200Echo"};

struct Numbers {
    Options::Settings settings;
    int detectTimeout;
    qint32 echoTimeout;
    QStringList recentFiles;

    static Numbers Loaded() {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        FileIO::ResetRecentFilesForTests();
        FileIO::InstallParameterFiles();
        Options::LoadSettings();
        Ports::InitPort(nullptr, nullptr);
        Numbers n{Options::Current(), Ports::State().DetectTimeout, Ports::State().EchoTimeout, {}};
        for (int i = 1; i <= FileIO::RecentFileCount(); ++i) n.recentFiles.append(FileIO::GetRecentFile(i));
        return n;
    }
};

QString describe(const Numbers& n) {
    const Options::Settings& s = n.settings;
    QStringList parts = {QString::number(s.DebugMode), QString::number(s.CommandUpper), QString::number(s.SendRST),
                         QString::number(s.RetryCount), QString::number(s.Prot.ProtOutputOption),
                         QString::number(s.Prot.ProtLines), QString::number(s.Prot.ProtOverwrite),
                         QString::number(n.detectTimeout), QString::number(n.echoTimeout),
                         QString::number(n.recentFiles.size())};
    for (int value : s.Prot.ProtOutputValue) parts.append(QString::number(value));
    return parts.join(QLatin1Char(' '));
}

std::array<std::unique_ptr<QWidget>, std::size(WindowNames)>& windows() {
    static std::array<std::unique_ptr<QWidget>, std::size(WindowNames)> made;
    if (!made[0]) {
        for (size_t i = 0; i < made.size(); ++i) {
            made[i] = std::make_unique<QWidget>();
            made[i]->setObjectName(QLatin1String(WindowNames[i]));
        }
    }
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Fuzz::Bytes(data, size);
    Fuzz::WriteFile(Folders::JoinPath(Fuzz::WindowsFolder(), Options::SettingsFile), bytes);
    Fuzz::WriteFile(Folders::JoinPath(Fuzz::ProgramFolder(), Window::DefaultGeometryFile), bytes);

    const Numbers first = Numbers::Loaded();
    for (const auto& window : windows()) {
        window->setWindowState(Qt::WindowNoState);
        Window::RestoreWindowPos(window.get());
        Window::SaveWindowPos(window.get());
    }
    Options::SaveSettings();
    const Numbers second = Numbers::Loaded();
    FUZZ_CHECK(describe(first) == describe(second), describe(first) + QStringLiteral(" became ") + describe(second));
    return 0;
}
