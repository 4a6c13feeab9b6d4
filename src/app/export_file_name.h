#pragma once

#include <string>

// The name proposed for saving what the window shows: "<file name without
// .wav>-<N>-<position>.<suffix>", the file as the name label shows it, N as the size box shows it
// and the slider's position; "sefaro-…" before any file is loaded.
std::string exportFileName(const std::string& suffix);
