#pragma once

#include <string>
#include <string_view>

// Writes bytes to path so that path ends up holding either what it held before or all of
// the new bytes, never a part of them (QSaveFile: a temporary file in the same folder,
// flushed to disk, then renamed over path). On failure no file is left behind and error
// says, in one line, which path could not be written and why.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
