#include "platform/riff_io.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

struct RiffFile {
    std::FILE* stream;
    std::uint64_t size;      // measured once at open; every search and read stays within it
    std::uint64_t position;  // where the next read or search starts
};

namespace {

constexpr std::uint32_t kRiffId = riffFourcc("RIFF");
constexpr std::uint64_t kHeaderBytes = 8;
constexpr std::uint64_t kFormTypeBytes = 4;

std::atomic<long> open_files{0};

std::uint32_t littleEndian32(const unsigned char* bytes) {
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

// Reads exactly count bytes at offset, or reports false.
bool readAt(RiffFile* file, std::uint64_t offset, unsigned char* buffer, std::size_t count) {
    if (offset > file->size || file->size - offset < count) return false;
    if (std::fseek(file->stream, static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fread(buffer, 1, count, file->stream) == count;
}

// The end of a chunk's body plus its pad byte; 32-bit sizes cannot overflow 64 bits.
std::uint64_t endOf(std::uint64_t data_offset, std::uint32_t size) {
    return data_offset + size + (size & 1u);
}

}  // namespace

RiffFile* riffOpen(const char* path) {
    if (!path) return nullptr;
    // Only a regular file: a read from a device or a pipe may never end, and a directory
    // has no bytes to read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::status(path, error))) return nullptr;
    std::FILE* stream = std::fopen(path, "rb");
    if (!stream) return nullptr;
    long size = -1;
    if (std::fseek(stream, 0, SEEK_END) == 0) size = std::ftell(stream);
    if (size < 0) {
        std::fclose(stream);
        return nullptr;
    }
    auto* file = new (std::nothrow) RiffFile{stream, static_cast<std::uint64_t>(size), 0};
    if (!file) {
        std::fclose(stream);
        return nullptr;
    }
    ++open_files;
    return file;
}

int riffDescend(RiffFile* file, RiffChunk* chunk, const RiffChunk* parent, unsigned flags) {
    if (!file || !chunk) return kRiffChunkNotFound;
    // A parent that claims more than the file holds is searched up to the end of the file.
    std::uint64_t end = file->size;
    if (parent) end = std::min(end, parent->data_offset + parent->size);

    for (std::uint64_t at = file->position; at <= end && end - at >= kHeaderBytes;) {
        unsigned char header[kHeaderBytes];
        if (!readAt(file, at, header, sizeof header)) break;
        const std::uint32_t id = littleEndian32(header);
        const std::uint32_t size = littleEndian32(header + 4);
        const std::uint64_t body = at + kHeaderBytes;

        if ((flags & kRiffFindRiff) && id == kRiffId) {
            unsigned char form[kFormTypeBytes];
            if (readAt(file, body, form, sizeof form) && littleEndian32(form) == chunk->form_type) {
                *chunk = RiffChunk{id, size, chunk->form_type, body};
                file->position = body + kFormTypeBytes;
                return kRiffOk;
            }
        } else if ((flags & kRiffFindChunk) && id == chunk->id) {
            *chunk = RiffChunk{id, size, 0, body};
            file->position = body;
            return kRiffOk;
        }
        // Skipping is arithmetic only: a chunk's body is never read to step over it.
        at = endOf(body, size);
    }
    return kRiffChunkNotFound;
}

std::size_t riffRead(RiffFile* file, void* buffer, std::size_t count) {
    if (!file || !buffer || file->position >= file->size) return 0;
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, file->size - file->position));
    if (std::fseek(file->stream, static_cast<long>(file->position), SEEK_SET) != 0) return 0;
    const std::size_t got = std::fread(buffer, 1, wanted, file->stream);
    file->position += got;
    return got;
}

int riffAscend(RiffFile* file, const RiffChunk* chunk) {
    if (!file || !chunk) return kRiffChunkNotFound;
    file->position = endOf(chunk->data_offset, chunk->size);
    return kRiffOk;
}

int riffClose(RiffFile* file) {
    if (!file) return kRiffOk;
    std::fclose(file->stream);
    delete file;
    --open_files;
    return kRiffOk;
}

std::uint64_t riffBytesLeft(const RiffFile* file) {
    if (!file || file->position >= file->size) return 0;
    return file->size - file->position;
}

long riffOpenCount() {
    return open_files.load();
}
