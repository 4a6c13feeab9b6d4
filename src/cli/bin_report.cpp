#include "cli/bin_report.h"

#include "cli/json_writer.h"

std::string spectrumJson(const SpectrumReport& report) {
    JsonWriter json;
    json.beginObject();
    json.key("name").value(report.name);
    json.key("rate").value(report.rate_hz);
    json.key("bits").value(report.bits);
    json.key("points").value(report.points);
    json.key("size").value(report.size);
    json.key("position").value(report.position);
    json.key("frequency_hz").beginArray();
    for (std::size_t k = 0; k < report.log_power.size(); ++k) json.value(binFrequencyHz(report, k));
    json.endArray();
    json.key("log_power").beginArray();
    for (double value : report.log_power) json.value(value);
    json.endArray();
    json.key("phase_rad").beginArray();
    for (double value : report.phase_rad) json.value(value);
    json.endArray();
    json.endObject();
    return json.text() + '\n';
}
