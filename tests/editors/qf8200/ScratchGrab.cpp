#include "editors/qf8200/QF8200Fixture.h"
TEST_F(QF8200WindowTest, Grab) {
    window->grab().save("/tmp/qf8200_switch.png");
    open(true);
    window->grab().save("/tmp/qf8200_analog.png");
    printf("size %d x %d fixed %d x %d\n", window->width(), window->height(), window->FixedSize().width(), window->FixedSize().height());
}
