#pragma once

// What every fuzz target shares: an invariant that aborts the run when broken, and the
// input held as a file that the code under test opens by its path.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// One file in memory, rewritten for every input: opened by its path under /proc/self/fd,
// where it is a regular file, and no input ever touches the disk.
class InputFile {
  public:
    InputFile() : fd_(::memfd_create("sefaro-fuzz-input", MFD_CLOEXEC)) {
        require(fd_ >= 0, "an in-memory file can be made");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const std::string& hold(const std::uint8_t* data, std::size_t size) {
        require(::ftruncate(fd_, 0) == 0, "the in-memory file can be emptied");
        std::size_t written = 0;
        while (written < size) {
            const ssize_t n =
                ::pwrite(fd_, data + written, size - written, static_cast<off_t>(written));
            require(n > 0, "the in-memory file takes the input");
            written += static_cast<std::size_t>(n);
        }
        return path_;
    }

  private:
    int fd_;
    std::string path_;
};
