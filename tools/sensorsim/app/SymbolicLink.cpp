#include "app/SymbolicLink.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::string linkTarget(const std::string& path) {
    char buffer[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), buffer, sizeof buffer);
    return length < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

SymbolicLink::SymbolicLink(std::string path, std::string target) : path_(std::move(path)), target_(std::move(target)) {
    struct stat existing {};
    if (lstat(path_.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode)) unlink(path_.c_str());
    if (symlink(target_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        path_.clear();
        throw std::system_error(error, std::generic_category(), "cannot make the link");
    }
}

SymbolicLink::~SymbolicLink() { remove(); }

void SymbolicLink::remove() {
    if (!path_.empty() && linkTarget(path_) == target_) unlink(path_.c_str());
    path_.clear();
}
