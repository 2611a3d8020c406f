// The real sensorsim program on a pseudo-terminal, talked to with plain POSIX calls.
#include <gtest/gtest.h>

#include <QProcess>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <termios.h>
#include <unistd.h>

#ifdef SENSORSIM_PATH

namespace {

namespace fs = std::filesystem;

// Bytes up to the terminator; what arrived when two seconds pass without it.
std::string readUntil(int fd, char terminator) {
    std::string text;
    char c = 0;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 2000) == 1 && read(fd, &c, 1) == 1) {
        if (c == terminator) return text;
        text += c;
    }
    return text + "<timeout>";
}

// Starts sensorsim with pipes for its standard input and output; the
// process is killed when the object goes.
struct RunningSimulator : QProcess {
    explicit RunningSimulator(const QStringList& arguments) { start(SENSORSIM_PATH, arguments); }
    // The first line of standard output: the device path.
    std::string firstLine() {
        while (!canReadLine() && waitForReadyRead(2000)) {}
        return readLine().trimmed().toStdString();
    }
    // The exit status, or -1 when the program does not end within two seconds.
    int exitStatus() { return waitForFinished(2000) && QProcess::exitStatus() == NormalExit ? exitCode() : -1; }
};

// Opens the port as the program's serial code does: raw, 9600 baud, 8 data bits.
int openPort(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return fd;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    cfsetspeed(&t, B9600);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

std::string exchange(int fd, const std::string& request) {
    const std::string bytes = request + "\r";
    if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) return "<write failed>";
    return readUntil(fd, '\r');
}

TEST(Program, ServesOverThePseudoTerminalLogsAndCleansUp) {
    const fs::path folder = fs::temp_directory_path() / ("sensorsim-test-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path link = folder / "com1";
    const fs::path log = folder / "requests.log";

    RunningSimulator simulator({"--line", "qf8200", "--link", QString::fromStdString(link.string()), "--log",
                                QString::fromStdString(log.string())});
    const std::string device = simulator.firstLine();
    ASSERT_TRUE(device.starts_with("/dev/")) << device;
    EXPECT_EQ(fs::read_symlink(link), device);
    const int port = openPort(link.string());
    ASSERT_GE(port, 0) << std::strerror(errno);
    EXPECT_EQ(exchange(port, "VER"), "V2.1B");
    EXPECT_EQ(exchange(port, "SD1,\xe4"), "\x81");
    close(port);

    simulator.terminate();
    EXPECT_EQ(simulator.exitStatus(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    std::stringstream logged;
    logged << std::ifstream(log).rdbuf();
    EXPECT_EQ(logged.str(), "VER\nSD1,\\xE4\n");
    fs::remove_all(folder);
}

TEST(Program, EndsWhenItsInputPipeClosesOrAfterItsLastRequest) {
    RunningSimulator quiet({"--line", "qt8200"});
    ASSERT_TRUE(quiet.firstLine().starts_with("/dev/"));
    quiet.closeWriteChannel();  // what a parent that goes away does to the pipe
    EXPECT_EQ(quiet.exitStatus(), 0);

    const fs::path link = fs::temp_directory_path() / ("sensorsim-hangup-" + std::to_string(getpid()));
    RunningSimulator leaving(
        {"--line", "qf8200echo", "--hangup-after", "1", "--link", QString::fromStdString(link.string())});
    const int port = openPort(leaving.firstLine());
    ASSERT_GE(port, 0);
    EXPECT_EQ(exchange(port, "RM,WXE7"), "RM,WXE7");  // the echo, then the answer
    EXPECT_EQ(readUntil(port, '\r'), "01F4");
    EXPECT_EQ(leaving.exitStatus(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    close(port);
}

}  // namespace

#endif
