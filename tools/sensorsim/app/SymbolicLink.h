#pragma once
#include <string>

// A symbolic link that lives as long as this object. An older link at the
// same place (left by a killed run) is replaced; anything else there is not
// touched. The link is removed at the end only while it still points where
// this object made it point.
class SymbolicLink {
public:
    SymbolicLink(std::string path, std::string target);  // throws std::system_error
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

    void remove();

private:
    std::string path_;
    std::string target_;
};
