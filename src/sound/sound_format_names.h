#pragma once

#include <string>

// libsndfile's names of a format's major type and sample type, in lower case: "wav",
// "wavex", "rf64", "aiff", "flac", "ogg", "mpeg"; "pcm_16", "float", "vorbis",
// "mpeg_layer_iii". A type without a name here reads as its number in hexadecimal.
std::string majorFormatName(int format);
std::string sampleTypeName(int format);

// The sample type as a user reads it: "24 bits", "32-bit float", or its name.
std::string sampleTypeDescription(const std::string& sample_name);

// The file dialog's filter for the sounds the converter is meant to open.
inline constexpr const char* kSoundFileFilter =
    "Sound files (*.wav *.wave *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc *.rf64 "
    "*.w64 *.caf *.au *.WAV *.FLAC *.OGG *.MP3 *.AIFF)";
