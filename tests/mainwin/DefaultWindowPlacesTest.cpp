// The default places of the shipped ZELVO8200.DEF: at first start the tool
// windows open side by side, and where the screen has room the editor does
// not cover them either.
#include "frame/Inifile_Utils.h"
#include "frame/WindowGeometry.h"

#include <gtest/gtest.h>

#include <QRect>

namespace {

const QString DefaultsFile = QStringLiteral(ZELVO_DATA_DIR "/ZELVO8200.DEF");
const char* const ToolWindows[] = {"frmShowIt", "frmDistance", "frmCommand", "frmMonitor"};
const char* const Editors[] = {"frmQF8200", "frmQF8200Echo", "frmQF8200RDX", "frmQT8200"};

QRect place(const QString& section, const char* window) {
    const QString value = ReadIniString(DefaultsFile, section, QLatin1String(window), QString());
    const std::optional<WindowGeometry::Placement> p = WindowGeometry::Parse(value);
    EXPECT_TRUE(p && !p->maximised) << window << " = " << value.toStdString();
    return p ? QRect(p->left, p->top, p->width, p->height) : QRect();
}

TEST(DefaultWindowPlaces, WindowsOpenWithoutCoveringEachOther) {
    const struct {
        const char* section;
        bool editorBeside;   // the screen has room for the editor beside the tool windows
    } cases[] = {
        {"640*480", false},
        {"800*600*SmallFonts", false},
        {"800*600*LargeFonts", false},
        {"1024*768*SmallFonts", true},
        {"1024*768*LargeFonts", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const QString section = QLatin1String(c.section);
        for (size_t i = 0; i < std::size(ToolWindows); ++i) {
            const QRect tool = place(section, ToolWindows[i]);
            EXPECT_GE(tool.left(), 0) << ToolWindows[i];
            EXPECT_GE(tool.top(), 0) << ToolWindows[i];
            for (size_t j = i + 1; j < std::size(ToolWindows); ++j)
                EXPECT_FALSE(tool.intersects(place(section, ToolWindows[j]))) << ToolWindows[i] << ToolWindows[j];
            if (!c.editorBeside) continue;
            for (const char* editor : Editors)
                EXPECT_FALSE(tool.intersects(place(section, editor))) << ToolWindows[i] << editor;
        }
    }
}

}  // namespace
