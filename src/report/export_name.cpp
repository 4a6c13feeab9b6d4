#include "report/export_name.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view kWaveSuffix = ".wav";

std::string withoutWaveSuffix(std::string name) {
    if (name.size() <= kWaveSuffix.size()) return name;
    const std::string_view tail = std::string_view(name).substr(name.size() - kWaveSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kWaveSuffix[i]) return name;
    }
    name.resize(name.size() - kWaveSuffix.size());
    return name;
}

}  // namespace

std::string exportStem(const std::string& file_name, long size, long position) {
    return withoutWaveSuffix(file_name) + '-' + std::to_string(size) + '-' +
           std::to_string(position);
}
