#include "cli/bin_report.h"

#include <vector>

#include "report/reference_columns.h"

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

namespace {

JsonObject spectrumObject(const SpectrumReport& report, const std::string* file) {
    JsonObject json = segmentJson(report, file);
    json["frequency_hz"] = binFrequenciesHz(report);
    json["log_power"] = report.log_power;
    json["phase_rad"] = report.phase_rad;
    return json;
}

}  // namespace

std::string spectrumJson(const SpectrumReport& report, const std::string* file) {
    return jsonLine(spectrumObject(report, file));
}

std::string referenceJson(ReferenceColumns columns, const SpectrumReport& report,
                          const SpectrumReport& reference, const std::string& reference_file,
                          const std::string* file) {
    JsonObject json = spectrumObject(report, file);
    json["reference"] = {{"file", reference_file}, {"position", reference.position}};
    json["reference_log_power"] = reference.log_power;
    if (columns == ReferenceColumns::beside_spectrum)
        json["reference_phase_rad"] = reference.phase_rad;
    json["difference_db"] = differenceDb(report, reference);
    return jsonLine(json);
}
