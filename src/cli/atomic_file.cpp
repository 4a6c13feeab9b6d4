#include "cli/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

bool fail(std::string& error, const std::string& path, int reason) {
    error = "cannot write " + (path.empty() ? std::string("\"\"") : path) + ": " +
            std::strerror(reason);
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t createMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    const std::filesystem::path target(path);
    if (path.empty()) return fail(error, path, ENOENT);
    if (target.filename().empty()) return fail(error, path, EISDIR);
    // In the same folder, so that the rename stays on one file system and is atomic.
    const std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return fail(error, path, errno);
    int reason = 0;
    if (::fchmod(fd, createMode()) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) reason = errno;
    if (::close(fd) != 0 && reason == 0) reason = errno;
    if (reason == 0 && std::rename(temporary.data(), path.c_str()) != 0) reason = errno;
    if (reason != 0) {
        ::unlink(temporary.data());
        return fail(error, path, reason);
    }
    return true;
}
