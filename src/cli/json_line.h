#pragma once

#include <nlohmann/json.hpp>
#include <string>

// The objects the commands print keep their keys in the order they were put in.
using JsonObject = nlohmann::ordered_json;

// The value as one line of JSON, newline included. Numbers read back to the same double,
// NaN and ±∞ (which JSON cannot hold) are null, and bytes of a string that are not UTF-8
// (a file name may hold any) become U+FFFD, so the line is always valid JSON.
std::string jsonLine(const JsonObject& value);
