#include "app/PseudoTerminal.h"

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() {
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        throw std::system_error(errno, std::generic_category(), "openpty");
    path_ = name;
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    // The master is written without blocking: a client that stops reading must not stop the sensor.
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() { close(); }

void PseudoTerminal::closeWhenRead(int maxWaitMs) {
    constexpr int StepMs = 5;
    // Written bytes reach the slave's queue a moment after write() returns.
    usleep(StepMs * 1000);
    for (int waited = 0; slave_ >= 0 && waited < maxWaitMs; waited += StepMs) {
        int unread = 0;
        if (ioctl(slave_, FIONREAD, &unread) != 0 || unread == 0) break;
        usleep(StepMs * 1000);
    }
    close();
}

void PseudoTerminal::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}
