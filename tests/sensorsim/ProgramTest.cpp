// The real sensorsim program on a pseudo-terminal, talked to with plain POSIX calls.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#ifdef SENSORSIM_PATH

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A running sensorsim whose standard input and output are pipes of ours.
class RunningSimulator {
public:
    explicit RunningSimulator(std::vector<std::string> arguments) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        arguments.insert(arguments.begin(), SENSORSIM_PATH);
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int error = posix_spawn(&pid_, SENSORSIM_PATH, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        stdin_ = in[1];
        stdout_ = out[0];
        if (error != 0) throw std::runtime_error("posix_spawn");
    }
    ~RunningSimulator() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(stdin_);
        close(stdout_);
    }

    // The first line of standard output: the device path.
    std::string firstLine() const { return readUntil(stdout_, '\n'); }

    void closeInput() {
        close(stdin_);
        stdin_ = -1;
    }

    int stop(int signal) {
        kill(pid_, signal);
        return waitForExit();
    }

    // The exit status, or -1 when the program does not end within two seconds.
    int waitForExit() {
        for (int i = 0; i < 200; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            usleep(10'000);
        }
        return -1;
    }

    // Bytes up to and including the terminator; what arrived when two seconds pass without it.
    static std::string readUntil(int fd, char terminator) {
        std::string text;
        char c = 0;
        pollfd p{fd, POLLIN, 0};
        while (poll(&p, 1, 2000) == 1 && read(fd, &c, 1) == 1) {
            if (c == terminator) return text;
            text += c;
        }
        return text + "<timeout>";
    }

private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
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
    return RunningSimulator::readUntil(fd, '\r');
}

TEST(Program, ServesOverThePseudoTerminalLogsAndCleansUp) {
    const fs::path folder = fs::temp_directory_path() / ("sensorsim-test-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path link = folder / "com1";
    const fs::path log = folder / "requests.log";

    RunningSimulator simulator({"--line", "qf8200", "--link", link.string(), "--log", log.string()});
    const std::string device = simulator.firstLine();
    ASSERT_TRUE(device.starts_with("/dev/")) << device;
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), device);

    const int port = openPort(link.string());
    ASSERT_GE(port, 0) << std::strerror(errno);
    EXPECT_EQ(exchange(port, "ID"), "Q&B QF6000-KR Eprom: E3.07 Version: 2.1");
    EXPECT_EQ(exchange(port, "VER"), "V2.1B");
    EXPECT_EQ(exchange(port, "SD1,\xe4"), "\x81");
    close(port);

    EXPECT_EQ(simulator.stop(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    std::ifstream logFile(log);
    std::stringstream logged;
    logged << logFile.rdbuf();
    EXPECT_EQ(logged.str(), "ID\nVER\nSD1,\\xE4\n");
    fs::remove_all(folder);
}

TEST(Program, EndsWhenItsInputPipeClosesOrAfterItsLastRequest) {
    RunningSimulator quiet({"--line", "qt8200"});
    ASSERT_TRUE(quiet.firstLine().starts_with("/dev/"));
    quiet.closeInput();  // what a parent that goes away does to the pipe
    EXPECT_EQ(quiet.waitForExit(), 0);

    const fs::path link = fs::temp_directory_path() / ("sensorsim-hangup-" + std::to_string(getpid()));
    RunningSimulator leaving({"--line", "qf8200echo", "--hangup-after", "1", "--link", link.string()});
    const int port = openPort(leaving.firstLine());
    ASSERT_GE(port, 0);
    EXPECT_EQ(exchange(port, "RM,WXE7"), "RM,WXE7");  // the echo, then the answer
    EXPECT_EQ(RunningSimulator::readUntil(port, '\r'), "01F4");
    EXPECT_EQ(leaving.waitForExit(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    close(port);
}

}  // namespace

#endif
