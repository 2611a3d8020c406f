// frmQF8200Echo's quick help: a built-in text for every topic of the window
// once the editor is registered.
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"

namespace {

using QF8200EchoQuickHelp = QF8200EchoWindowTest;

TEST_F(QF8200EchoQuickHelp, EveryTopicHasItsText) {
    RegisterQF8200EchoEditor();
    for (bool analog : {false, true}) {
        open(analog);
        // The teach-in check boxes clear the line.
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>({4028})) << analog;
    }
}

}  // namespace
