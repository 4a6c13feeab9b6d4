#pragma once

// RIFF/WAVE files built from parts, for the reader's tests and the fuzzer's seed corpus.
// Everything little-endian; chunk() adds the pad byte after an odd body as RIFF wants,
// the *_declaring forms write whatever size they are told, to make malformed files.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace wave_builder {

using Bytes = std::vector<unsigned char>;

inline void put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

inline void put32(Bytes& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

inline void putCode(Bytes& out, const std::string& four) {
    out.insert(out.end(), four.begin(), four.end());
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A chunk that declares `declared` bytes, followed by `body` and nothing else.
inline Bytes chunkDeclaring(const std::string& id, std::uint32_t declared, const Bytes& body) {
    Bytes out;
    putCode(out, id);
    put32(out, declared);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline Bytes chunk(const std::string& id, const Bytes& body) {
    Bytes out = chunkDeclaring(id, static_cast<std::uint32_t>(body.size()), body);
    if (body.size() % 2) out.push_back(0);
    return out;
}

inline Bytes riffDeclaring(std::uint32_t declared, const std::string& form,
                           std::initializer_list<Bytes> chunks) {
    Bytes body;
    putCode(body, form);
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    return chunkDeclaring("RIFF", declared, body);
}

inline Bytes riff(const std::string& form, std::initializer_list<Bytes> chunks) {
    std::size_t size = form.size();
    for (const Bytes& c : chunks) size += c.size();
    return riffDeclaring(static_cast<std::uint32_t>(size), form, chunks);
}

struct Format {
    std::uint16_t channels = 1;
    std::uint32_t rate_hz = 44100;
    std::uint16_t bits = 16;
    std::uint16_t tag = 1;          // PCM
    std::size_t record_bytes = 16;  // cut short or padded with zeros
};

inline Bytes formatRecord(const Format& f) {
    Bytes out;
    const std::uint16_t block_bytes = static_cast<std::uint16_t>(f.channels * ((f.bits + 7) / 8));
    put16(out, f.tag);
    put16(out, f.channels);
    put32(out, f.rate_hz);
    put32(out, f.rate_hz * block_bytes);
    put16(out, block_bytes);
    put16(out, f.bits);
    out.resize(f.record_bytes, 0);
    return out;
}

inline Bytes fmtChunk(const Format& f = {}) {
    return chunk("fmt ", formatRecord(f));
}

inline Bytes sampleBytes(const std::vector<std::int16_t>& samples) {
    Bytes out;
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

// n samples that reach both signs and every byte value, so a swapped or shifted byte shows.
inline std::vector<std::int16_t> pattern(std::size_t n) {
    std::vector<std::int16_t> out(n);
    std::uint32_t x = 12345;
    for (std::int16_t& s : out) {
        x = x * 1103515245u + 12345u;
        s = static_cast<std::int16_t>(static_cast<std::uint16_t>(x >> 8));
    }
    return out;
}

// The plain accepted file: mono, 44100 Hz, 16 bits, these samples.
inline Bytes monoWave(const std::vector<std::int16_t>& samples) {
    return riff("WAVE", {fmtChunk(), chunk("data", sampleBytes(samples))});
}

// A sine of that frequency and amplitude, n samples at 44100 Hz.
inline std::vector<std::int16_t> sine(double frequency_hz, double amplitude, std::size_t n) {
    std::vector<std::int16_t> samples(n);
    for (std::size_t i = 0; i < n; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(
            amplitude * std::sin(2 * std::numbers::pi * frequency_hz * double(i) / 44100.0)));
    return samples;
}

}  // namespace wave_builder
