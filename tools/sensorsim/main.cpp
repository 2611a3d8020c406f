// sensorsim: a simulated sensor of one of the four lines on a pseudo-terminal,
// for end-to-end tests, benchmarks and the demo. See README.md and --help.
#include "app/PseudoTerminal.h"
#include "app/SerialServer.h"
#include "app/SymbolicLink.h"
#include "core/Options.h"
#include "core/RequestLog.h"
#include "core/Sensor.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

// The stop signals stay blocked except while the server waits, so a stop
// never slips in between a check and the wait. Returns the mask to wait with.
sigset_t catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stopSignals, signal);
    }
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigdelset(&waitMask, signal);
    return waitMask;
}

// Standard input, when it is a pipe: its end means the process that started us is done with us.
int watchedStandardInput() {
    struct stat info {};
    return fstat(STDIN_FILENO, &info) == 0 && S_ISFIFO(info.st_mode) ? STDIN_FILENO : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const sensorsim::ParsedOptions parsed = sensorsim::parseOptions({argv + 1, argv + argc});
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "sensorsim: %s (see --help)\n", parsed.error.c_str());
        return 2;
    }
    const sensorsim::ProgramOptions& options = parsed.options;
    if (options.help) {
        std::fputs(sensorsim::usageText().c_str(), stdout);
        return 0;
    }

    // End with the process that started us, even when it is killed.
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The line's timing is the point of --baud: wake when a byte is due, not
    // up to the kernel's default 50 us later, byte after byte.
    prctl(PR_SET_TIMERSLACK, 1UL);
    const sigset_t waitMask = catchStopSignals();
    if (getppid() != parent) return 0;

    try {
        PseudoTerminal terminal;
        std::optional<SymbolicLink> link;
        if (!options.linkPath.empty()) link.emplace(options.linkPath, terminal.devicePath());
        std::ofstream logFile;
        std::optional<sensorsim::RequestLog> log;
        if (!options.logPath.empty()) {
            logFile.open(options.logPath, std::ios::out | std::ios::trunc);
            if (!logFile) throw std::system_error(errno, std::generic_category(), "cannot write " + options.logPath);
            log.emplace(logFile);
        }
        std::printf("%s\n", terminal.devicePath().c_str());
        std::fflush(stdout);

        sensorsim::Sensor sensor(options.sensor);
        SerialServer server(sensor, terminal.masterFd(), options.sensor.baud, log ? &*log : nullptr);
        if (server.run(stopRequested, watchedStandardInput(), waitMask) == SerialServer::End::HungUp)
            terminal.closeWhenRead(1000);
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "sensorsim: %s\n", error.what());
        return 1;
    }
    return 0;
}
