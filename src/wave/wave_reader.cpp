#include "wave/wave_reader.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "wave/analysis_state.h"
#include "wave/wave_refusal.h"

namespace {

constexpr std::uint32_t kRequiredChannels = 1;
constexpr std::uint32_t kRequiredRateHz = 44100;
constexpr std::uint32_t kRequiredBitsPerSample = 16;
// The fields checked end at byte 16; a shorter record is read into a zero-filled record
// of this size, so a missing field reads 0 and fails its own check.
constexpr std::size_t kFormatRecordBytes = 16;
constexpr std::size_t kBytesPerSample = 2;

// Everything one load holds. The destructor closes the file and destroys the heap, and
// with it both buffers, on every way out.
struct Load {
    Load(const char* file_path, std::size_t heap_limit_bytes) : path(file_path) {
        assert(!m_hHeap && "a previous load left its heap behind");
        m_hHeap = heapCreate(heap_limit_bytes);
    }
    ~Load() {
        if (file) riffClose(file);
        heapDestroy(m_hHeap);
        m_hHeap = nullptr;
    }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

    const char* path;
    RiffFile* file = nullptr;
    RiffChunk riff;
    RiffChunk chunk;  // the format chunk, then the data chunk
    // How much of the current chunk's body the file can still supply: never more is
    // allocated, whatever the header declares.
    std::size_t body_available = 0;
    unsigned char* format = nullptr;  // at least kFormatRecordBytes
    unsigned char* data = nullptr;    // body_available bytes
    std::size_t data_read = 0;
};

std::uint32_t le16(const unsigned char* bytes) {
    return bytes[0] | std::uint32_t(bytes[1]) << 8;
}
std::uint32_t le32(const unsigned char* bytes) {
    return le16(bytes) | le16(bytes + 2) << 16;
}

std::size_t availableBody(const Load& load) {
    return static_cast<std::size_t>(
        std::min<std::uint64_t>(load.chunk.size, riffBytesLeft(load.file)));
}

// The steps, in order; each either passes or names exactly one reason.

WaveRefusal openFile(Load& load) {
    load.file = riffOpen(load.path);
    return load.file ? WaveRefusal::none : WaveRefusal::fileNotFound;
}

WaveRefusal findRiff(Load& load) {
    load.riff.form_type = riffFourcc("WAVE");
    return riffDescend(load.file, &load.riff, nullptr, kRiffFindRiff) == kRiffOk
               ? WaveRefusal::none
               : WaveRefusal::riffNotFound;
}

// Searches the RIFF chunk forward from the current position for a chunk with that id.
WaveRefusal findChunk(Load& load, const char (&id)[5], WaveRefusal missing) {
    load.chunk.id = riffFourcc(id);
    return riffDescend(load.file, &load.chunk, &load.riff, kRiffFindChunk) == kRiffOk
               ? WaveRefusal::none
               : missing;
}

WaveRefusal findFormat(Load& load) {
    return findChunk(load, "fmt ", WaveRefusal::formatNotFound);
}

WaveRefusal allocFormat(Load& load) {
    load.body_available = availableBody(load);
    load.format = static_cast<unsigned char*>(
        heapAlloc(m_hHeap, std::max(load.body_available, kFormatRecordBytes)));
    return load.format ? WaveRefusal::none : WaveRefusal::formatNoMemory;
}

WaveRefusal readFormat(Load& load) {
    const std::size_t got = riffRead(load.file, load.format, load.body_available);
    return got == load.chunk.size ? WaveRefusal::none : WaveRefusal::formatShortRead;
}

WaveRefusal checkChannels(Load& load) {
    return le16(load.format + 2) == kRequiredChannels ? WaveRefusal::none
                                                      : WaveRefusal::notSingleChannel;
}

WaveRefusal checkRate(Load& load) {
    return le32(load.format + 4) == kRequiredRateHz ? WaveRefusal::none : WaveRefusal::not44100Hz;
}

WaveRefusal checkBits(Load& load) {
    return le16(load.format + 14) == kRequiredBitsPerSample ? WaveRefusal::none
                                                            : WaveRefusal::not16Bits;
}

// The search runs forward from the end of the format chunk: a "data" chunk before it is
// not found.
WaveRefusal findData(Load& load) {
    riffAscend(load.file, &load.chunk);
    return findChunk(load, "data", WaveRefusal::dataNotFound);
}

WaveRefusal allocData(Load& load) {
    load.body_available = availableBody(load);
    load.data = static_cast<unsigned char*>(heapAlloc(m_hHeap, load.body_available));
    return load.data ? WaveRefusal::none : WaveRefusal::dataNoMemory;
}

WaveRefusal readData(Load& load) {
    load.data_read = riffRead(load.file, load.data, load.body_available);
    return load.data_read == load.chunk.size ? WaveRefusal::none : WaveRefusal::dataShortRead;
}

using Step = WaveRefusal (*)(Load&);
constexpr Step kSteps[] = {openFile,  findRiff,  findFormat, allocFormat, readFormat, checkChannels,
                           checkRate, checkBits, findData,   allocData,   readData};

// The first samples of the data read, at most kMaxWaveSamples.
std::vector<short> samplesOf(const Load& load) {
    const auto whole = load.data_read / kBytesPerSample;
    std::vector<short> samples(std::min(whole, static_cast<std::size_t>(kMaxWaveSamples)));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // Byte by byte: the buffer has no alignment to rely on, and the file is
        // little-endian whatever the machine is.
        const auto bits = static_cast<std::uint16_t>(le16(load.data + i * kBytesPerSample));
        samples[i] = static_cast<short>(bits);
    }
    return samples;
}

}  // namespace

WaveRead readWaveFile(const char* path, std::size_t heap_limit_bytes) {
    WaveRead read;
    Load load(path, heap_limit_bytes);
    WaveRefusal refusal = WaveRefusal::none;
    for (Step step : kSteps) {
        if (refusal == WaveRefusal::none) refusal = step(load);
    }
    if (refusal != WaveRefusal::none) {
        read.message = waveRefusalMessage(refusal);
        return read;
    }
    const bool cut = load.data_read / kBytesPerSample > static_cast<std::size_t>(kMaxWaveSamples);
    read.outcome = cut ? WaveReadOutcome::cut : WaveReadOutcome::accepted;
    read.message = cut ? kWaveLengthNotice : nullptr;
    read.samples = samplesOf(load);
    return read;
}

void keepWave(const WaveRead& read) {
    assert(read.outcome != WaveReadOutcome::refused && "a refused file has no wave to keep");
    delete[] siii;
    siii = nullptr;
    maxsize = 0;
    siii = new short[read.samples.size()];
    std::copy(read.samples.begin(), read.samples.end(), siii);
    maxsize = static_cast<long>(read.samples.size());
    sampleFreq = kRequiredRateHz;
}
