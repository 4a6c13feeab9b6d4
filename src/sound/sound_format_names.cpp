#include "sound/sound_format_names.h"

#include <sndfile.h>

#include <cstdio>

namespace {

struct FormatName {
    int code;
    const char* name;
};

// The formats Sefaro is meant to open, and their usual neighbours.
constexpr FormatName kMajorNames[] = {
    {SF_FORMAT_WAV, "wav"},   {SF_FORMAT_WAVEX, "wavex"}, {SF_FORMAT_RF64, "rf64"},
    {SF_FORMAT_W64, "w64"},   {SF_FORMAT_AIFF, "aiff"},   {SF_FORMAT_CAF, "caf"},
    {SF_FORMAT_AU, "au"},     {SF_FORMAT_FLAC, "flac"},   {SF_FORMAT_OGG, "ogg"},
    {SF_FORMAT_MPEG, "mpeg"}, {SF_FORMAT_RAW, "raw"},
};

constexpr FormatName kSampleNames[] = {
    {SF_FORMAT_PCM_S8, "pcm_s8"},
    {SF_FORMAT_PCM_U8, "pcm_u8"},
    {SF_FORMAT_PCM_16, "pcm_16"},
    {SF_FORMAT_PCM_24, "pcm_24"},
    {SF_FORMAT_PCM_32, "pcm_32"},
    {SF_FORMAT_FLOAT, "float"},
    {SF_FORMAT_DOUBLE, "double"},
    {SF_FORMAT_ULAW, "ulaw"},
    {SF_FORMAT_ALAW, "alaw"},
    {SF_FORMAT_IMA_ADPCM, "ima_adpcm"},
    {SF_FORMAT_MS_ADPCM, "ms_adpcm"},
    {SF_FORMAT_GSM610, "gsm610"},
    {SF_FORMAT_VORBIS, "vorbis"},
    {SF_FORMAT_OPUS, "opus"},
    {SF_FORMAT_ALAC_16, "alac_16"},
    {SF_FORMAT_ALAC_24, "alac_24"},
    {SF_FORMAT_MPEG_LAYER_I, "mpeg_layer_i"},
    {SF_FORMAT_MPEG_LAYER_II, "mpeg_layer_ii"},
    {SF_FORMAT_MPEG_LAYER_III, "mpeg_layer_iii"},
};

template <std::size_t Count>
std::string nameOf(const FormatName (&names)[Count], int code) {
    for (const FormatName& entry : names) {
        if (entry.code == code) return entry.name;
    }
    char hexadecimal[16];
    std::snprintf(hexadecimal, sizeof hexadecimal, "0x%x", static_cast<unsigned>(code));
    return hexadecimal;
}

}  // namespace

std::string majorFormatName(int format) {
    return nameOf(kMajorNames, format & SF_FORMAT_TYPEMASK);
}

std::string sampleTypeName(int format) {
    return nameOf(kSampleNames, format & SF_FORMAT_SUBMASK);
}

std::string sampleTypeDescription(const std::string& sample_name) {
    if (sample_name == "pcm_s8" || sample_name == "pcm_u8") return "8 bits";
    if (sample_name.starts_with("pcm_")) return sample_name.substr(4) + " bits";
    if (sample_name == "float") return "32-bit float";
    if (sample_name == "double") return "64-bit float";
    return sample_name;
}
