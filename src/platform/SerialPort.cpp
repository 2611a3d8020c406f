#include "platform/SerialPort.h"

#include "platform/SerialPorts.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int BitsPerByte = 10;   // start bit, 8 data bits, stop bit
constexpr int BaudRate = 9600;

bool configureLine(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    // Reads never block: the caller polls.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

SerialPort::~SerialPort() { close(); }

bool SerialPort::SetPortOpen(bool openIt) {
    if (!openIt) {
        close();
        return true;
    }
    if (fd_ >= 0) return true;
    return open();
}

bool SerialPort::open() {
    const QString path = SerialPorts::DevicePath(name_);
    if (path.isEmpty()) {
        lastError_ = QStringLiteral("no port name");
        return false;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError_ = path + ": " + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!configureLine(fd)) {
        lastError_ = path + ": not a serial line";
        ::close(fd);
        return false;
    }
    // One program at a time on a port: a second reader would take part of the answers.
    ioctl(fd, TIOCEXCL);
    tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    pending_.clear();
    lastError_.clear();
    return true;
}

void SerialPort::close() {
    if (fd_ < 0) return;
    // The exclusive flag outlives our descriptor while someone else keeps
    // the device open (a pseudo-terminal's owner); clear it so we can reopen.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    pending_.clear();
}

void SerialPort::lose(const char* what) {
    lastError_ = SerialPorts::DevicePath(name_) + ": " + QString::fromLatin1(what);
    close();
}

int SerialPort::InBufferCount() {
    if (fd_ < 0) return 0;
    int count = 0;
    if (ioctl(fd_, FIONREAD, &count) != 0) {
        lose("device gone");
        return 0;
    }
    return count;
}

void SerialPort::ClearInBuffer() {
    if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

void SerialPort::pushPending() {
    while (fd_ >= 0 && !pending_.isEmpty()) {
        const ssize_t written = ::write(fd_, pending_.constData(), size_t(pending_.size()));
        if (written > 0) {
            pending_.remove(0, qsizetype(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN) lose("write failed");
        return;
    }
}

int SerialPort::OutBufferCount() {
    if (fd_ < 0) return 0;
    pushPending();
    int queued = 0;
    if (fd_ >= 0 && ioctl(fd_, TIOCOUTQ, &queued) != 0) queued = 0;
    return int(pending_.size()) + queued;
}

QByteArray SerialPort::Input() {
    const int waiting = std::min(InBufferCount(), InBufferSize);
    if (waiting <= 0) return {};
    QByteArray bytes(waiting, '\0');
    const ssize_t got = ::read(fd_, bytes.data(), size_t(waiting));
    if (got < 0) {
        if (errno != EAGAIN && errno != EINTR) lose("read failed");
        return {};
    }
    bytes.truncate(qsizetype(got));
    return bytes;
}

void SerialPort::Output(const QByteArray& bytes) {
    if (fd_ < 0 || bytes.isEmpty()) return;
    pending_.append(bytes);
    pushPending();
}

bool SerialPort::waitForInput(int ms) {
    if (fd_ < 0) return false;
    if (InBufferCount() > 0) return true;
    if (fd_ < 0) return false;
    pollfd pfd{fd_, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, std::max(ms, 0));
    if (ready <= 0) return false;
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        lose("device gone");
        return false;
    }
    if (InBufferCount() > 0) return true;
    // Readable with nothing to read: sit out the time rather than spin.
    ::poll(nullptr, 0, std::max(ms, 0));
    return false;
}

void SerialPort::waitForOutput(int ms) {
    if (fd_ < 0 || ms <= 0) return;
    if (!pending_.isEmpty()) {
        pollfd pfd{fd_, POLLOUT, 0};
        ::poll(&pfd, 1, ms);
        pushPending();
        return;
    }
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued <= 0) return;
    // The driver gives no wake-up when its queue drains; sleep for the wire
    // time of what is queued, but no longer than asked.
    const int drainMs = (queued * BitsPerByte * 1000 + BaudRate - 1) / BaudRate;
    ::poll(nullptr, 0, std::min(ms, drainMs));
}
