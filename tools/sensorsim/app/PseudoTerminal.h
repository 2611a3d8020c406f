#pragma once
#include <string>

// A pseudo-terminal in raw mode whose slave side is the simulated serial
// port. The program keeps a slave descriptor open itself, so the master side
// does not fail with EIO while no client has the port open, and a client may
// close and reopen the port as often as it likes.
class PseudoTerminal {
public:
    PseudoTerminal();  // throws std::system_error
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int masterFd() const { return master_; }
    const std::string& devicePath() const { return path_; }
    // Hangs up: the client sees the line go away.
    void close();
    // Hangs up once the client has read what was sent (waiting at most maxWaitMs): closing the master
    // throws away what the slave side has not read yet.
    void closeWhenRead(int maxWaitMs);

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};
