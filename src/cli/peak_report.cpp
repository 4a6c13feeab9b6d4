#include "cli/peak_report.h"

#include "cli/json_line.h"
#include "report/csv_field.h"
#include "report/number_text.h"

std::vector<BinReading> strongestSpectrumPeaks(const SpectrumReport& report, long count,
                                               bool every_maximum) {
    const PlottedSpectrum spectrum = {report.log_power.data(), report.phase_rad.data(),
                                      static_cast<long>(report.log_power.size()), report.size,
                                      report.rate_hz};
    return strongestPeaks(spectrum, count, every_maximum);
}

std::string peaksCsvHeader() {
    return "rank,bin,frequency_hz,log_power,phase_rad,level_dbfs,amplitude,frequency_error_hz\n";
}

std::string peaksCsvRows(const std::vector<BinReading>& peaks, const std::string* file) {
    const std::string lead = file ? csvField(*file) + ',' : "";
    std::string out;
    long rank = 0;
    for (const BinReading& peak : peaks) {
        out += lead + std::to_string(++rank) + ',' + std::to_string(peak.bin) + ',' +
               roundTripText(peak.frequency_hz) + ',' + roundTripText(peak.log_power) + ',' +
               roundTripText(peak.phase_rad) + ',' + roundTripText(peak.level_dbfs) + ',' +
               roundTripText(peak.amplitude) + ',' + roundTripText(peak.frequency_error_hz) + '\n';
    }
    return out;
}

std::string peaksJson(const SpectrumReport& report, const std::vector<BinReading>& peaks,
                      const std::string* file) {
    JsonObject json = segmentJson(report, file);
    json["peaks"] = JsonObject::array();
    long rank = 0;
    for (const BinReading& peak : peaks) {
        json["peaks"].push_back({{"rank", ++rank},
                                 {"bin", peak.bin},
                                 {"frequency_hz", peak.frequency_hz},
                                 {"log_power", peak.log_power},
                                 {"phase_rad", peak.phase_rad},
                                 {"level_dbfs", peak.level_dbfs},
                                 {"amplitude", peak.amplitude},
                                 {"frequency_error_hz", peak.frequency_error_hz}});
    }
    return jsonLine(json);
}
