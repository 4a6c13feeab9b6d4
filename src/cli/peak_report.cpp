#include "cli/peak_report.h"

#include "cli/json_writer.h"
#include "report/number_text.h"
#include "handlers/spectrum_readout.h"

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

std::string peaksCsv(const std::vector<SpectrumPeak>& peaks) {
    std::string out = "rank,bin,frequency_hz,log_power,phase_rad\n";
    long rank = 0;
    for (const SpectrumPeak& peak : peaks) {
        out += std::to_string(++rank) + ',' + std::to_string(peak.bin) + ',' +
               roundTripText(peak.frequency_hz) + ',' + roundTripText(peak.log_power) + ',' +
               roundTripText(peak.phase_rad) + '\n';
    }
    return out;
}

std::string peaksJson(const SpectrumReport& report, const std::vector<SpectrumPeak>& peaks) {
    JsonWriter json;
    json.beginObject();
    json.key("name").value(report.name);
    json.key("rate").value(report.rate_hz);
    json.key("bits").value(report.bits);
    json.key("points").value(report.points);
    json.key("size").value(report.size);
    json.key("position").value(report.position);
    json.key("peaks").beginArray();
    long rank = 0;
    for (const SpectrumPeak& peak : peaks) {
        json.beginObject();
        json.key("rank").value(++rank);
        json.key("bin").value(peak.bin);
        json.key("frequency_hz").value(peak.frequency_hz);
        json.key("log_power").value(peak.log_power);
        json.key("phase_rad").value(peak.phase_rad);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text() + '\n';
}
