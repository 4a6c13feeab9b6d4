#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes bytes to path so that path ends up holding either what it held before or all of
// the new bytes, never a part of them (QSaveFile: a temporary file in the same folder,
// flushed to disk, then renamed over path). On failure no file is left behind and the
// result says why, in a few words ("No such file or directory"); nothing on success.
std::optional<std::string> atomicWriteFailure(const std::string& path, std::string_view bytes);

// The same, with error set on failure to one line that also says which path could not be
// written: "cannot write PATH: why".
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
