#pragma once

#include <cstddef>
#include <cstdint>

// Chunk I/O over RIFF files: open for reading, descend into a chunk found by id or form
// type, read, ascend to the end of a chunk, close. Sizes are little-endian and a chunk of
// odd size is followed by one pad byte. A search runs forward from the current position
// and never leaves its parent (or the file), so a chunk of a neighbouring level can never
// be mistaken for a child.
struct RiffFile;

// A chunk's header as found by riffDescend. For a RIFF chunk, size counts the form type,
// which is the first four bytes of the body; data_offset is where the body starts.
struct RiffChunk {
    std::uint32_t id = 0;
    std::uint32_t size = 0;
    std::uint32_t form_type = 0;
    std::uint64_t data_offset = 0;
};

// The four characters of a chunk id or form type as RIFF stores them (first one lowest).
constexpr std::uint32_t riffFourcc(const char (&code)[5]) {
    return std::uint32_t(std::uint8_t(code[0])) | std::uint32_t(std::uint8_t(code[1])) << 8 |
           std::uint32_t(std::uint8_t(code[2])) << 16 | std::uint32_t(std::uint8_t(code[3])) << 24;
}

inline constexpr unsigned kRiffFindChunk = 0x10;  // the chunk whose id is chunk->id
inline constexpr unsigned kRiffFindRiff = 0x20;   // a RIFF chunk of form type chunk->form_type
inline constexpr int kRiffOk = 0;
inline constexpr int kRiffChunkNotFound = 1;

// Only a regular file is opened: a directory, a device or a pipe gives null, as does a
// file that cannot be read.
RiffFile* riffOpen(const char* path);

// Searches forward from the current position, inside parent (null: the whole file), for
// the chunk that flags names, skipping others with a seek. On kRiffOk chunk holds its
// header and the file stands at the start of its body (after the form type of a RIFF
// chunk); otherwise kRiffChunkNotFound and the position is unchanged.
int riffDescend(RiffFile* file, RiffChunk* chunk, const RiffChunk* parent, unsigned flags);

// Reads up to count bytes at the current position; the number read, short at end of file.
std::size_t riffRead(RiffFile* file, void* buffer, std::size_t count);

// Moves to the end of chunk, past its pad byte when its size is odd.
int riffAscend(RiffFile* file, const RiffChunk* chunk);

int riffClose(RiffFile* file);

// Bytes between the current position and the end of the file.
std::uint64_t riffBytesLeft(const RiffFile* file);

// Files opened and not yet closed, for leak checks.
long riffOpenCount();
