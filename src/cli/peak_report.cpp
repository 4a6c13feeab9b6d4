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
        out += lead;
        appendWhole(out, ++rank);
        out += ',';
        appendWhole(out, peak.bin);
        for (const double value : {peak.frequency_hz, peak.log_power, peak.phase_rad,
                                   peak.level_dbfs, peak.amplitude, peak.frequency_error_hz}) {
            out += ',';
            appendRoundTrip(out, value);
        }
        out += '\n';
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
