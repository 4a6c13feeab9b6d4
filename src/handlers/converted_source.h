#pragma once

#include <string>

// Where the loaded wave came from when the converter made it, in one line for the name
// label's tooltip; empty for a wave the reader gave, and before any load.
const std::string& convertedSource();
void rememberConvertedSource(std::string description);
void forgetConvertedSource();
