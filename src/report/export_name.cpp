#include "report/export_name.h"

#include <filesystem>

std::string exportStem(const std::string& file_name, long size, long position) {
    return std::filesystem::path(file_name).stem().string() + '-' + std::to_string(size) + '-' +
           std::to_string(position);
}
