#include "cli/peak_report.h"

#include "cli/json_line.h"
#include "handlers/bin_readout.h"
#include "report/csv_field.h"
#include "report/number_text.h"

std::vector<SpectrumPeak> strongestSpectrumPeaks(const SpectrumReport& report, long count) {
    const double* log_power = report.log_power.data();
    const long bins = static_cast<long>(report.log_power.size());
    std::vector<SpectrumPeak> peaks;
    for (const long bin : strongestPeaks(log_power, bins, count)) {
        const BinReading reading = readBin(log_power, bins, bin, report.size, report.rate_hz);
        peaks.push_back({bin, reading.frequency_hz, report.log_power[static_cast<std::size_t>(bin)],
                         report.phase_rad[static_cast<std::size_t>(bin)]});
    }
    return peaks;
}

std::string peaksCsvHeader() {
    return "rank,bin,frequency_hz,log_power,phase_rad\n";
}

std::string peaksCsvRows(const std::vector<SpectrumPeak>& peaks, const std::string* file) {
    const std::string lead = file ? csvField(*file) + ',' : "";
    std::string out;
    long rank = 0;
    for (const SpectrumPeak& peak : peaks) {
        out += lead;
        appendWhole(out, ++rank);
        out += ',';
        appendWhole(out, peak.bin);
        for (const double value : {peak.frequency_hz, peak.log_power, peak.phase_rad}) {
            out += ',';
            appendRoundTrip(out, value);
        }
        out += '\n';
    }
    return out;
}

std::string peaksJson(const SpectrumReport& report, const std::vector<SpectrumPeak>& peaks,
                      const std::string* file) {
    JsonObject json = segmentJson(report, file);
    json["peaks"] = JsonObject::array();
    long rank = 0;
    for (const SpectrumPeak& peak : peaks) {
        json["peaks"].push_back({{"rank", ++rank},
                                 {"bin", peak.bin},
                                 {"frequency_hz", peak.frequency_hz},
                                 {"log_power", peak.log_power},
                                 {"phase_rad", peak.phase_rad}});
    }
    return jsonLine(json);
}
