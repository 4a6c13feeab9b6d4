#include "cli/bin_report.h"

#include <vector>

JsonObject segmentJson(const SpectrumReport& report, const std::string* file) {
    JsonObject json;
    if (file) json["file"] = *file;
    json["name"] = report.name;
    json["rate"] = report.rate_hz;
    json["bits"] = report.bits;
    json["points"] = report.points;
    json["size"] = report.size;
    json["position"] = report.position;
    return json;
}

std::string spectrumJson(const SpectrumReport& report, const std::string* file) {
    std::vector<double> frequency_hz(report.log_power.size());
    for (std::size_t k = 0; k < frequency_hz.size(); ++k)
        frequency_hz[k] = binFrequencyHz(report, k);
    JsonObject json = segmentJson(report, file);
    json["frequency_hz"] = frequency_hz;
    json["log_power"] = report.log_power;
    json["phase_rad"] = report.phase_rad;
    return jsonLine(json);
}
