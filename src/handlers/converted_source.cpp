#include "handlers/converted_source.h"

namespace {
std::string description;
}  // namespace

const std::string& convertedSource() {
    return description;
}

void rememberConvertedSource(std::string text) {
    description = std::move(text);
}

void forgetConvertedSource() {
    description.clear();
}
