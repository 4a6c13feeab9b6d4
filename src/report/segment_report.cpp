#include "report/segment_report.h"

#include "names/window_names.h"
#include "numbers/whole_number.h"
#include "report/csv_field.h"
#include "report/number_text.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

// The reader accepts no other sample size, which is why the window's label is a fixed text.
constexpr long kBitsPerSample = 16;

std::string propertyText(const char* class_name, const char* instance_name, const char* property) {
    WSCbase* widget = WSGIappObjectList()->getInstance(class_name, instance_name);
    return widget ? widget->getProperty(property).text() : "";
}

}  // namespace

SpectrumReport currentSpectrumReport() {
    SpectrumReport report;
    report.name = propertyText("WSCvlabel", names::kNameLabel, _WSNlabelString());
    report.rate_hz = sampleFreq;
    report.bits = kBitsPerSample;
    report.points = maxsize;
    report.size = selsize;
    report.position =
        leadingWholeNumber(propertyText("WSCvslider", names::kPositionSlider, _WSNvalue()))
            .value_or(0);
    if (seliii && power && phase) {
        const long bins = selsize / 2;
        report.log_power.assign(power, power + bins);
        report.phase_rad.assign(phase, phase + bins);
    }
    return report;
}

double binFrequencyHz(const SpectrumReport& report, std::size_t bin) {
    return static_cast<double>(bin) * static_cast<double>(report.rate_hz) /
           static_cast<double>(report.size);
}

std::string spectrumCsvHeader() {
    return "bin,frequency_hz,log_power,phase_rad\n";
}

std::vector<double> binFrequenciesHz(const SpectrumReport& report) {
    std::vector<double> frequencies(report.log_power.size());
    for (std::size_t k = 0; k < frequencies.size(); ++k) frequencies[k] = binFrequencyHz(report, k);
    return frequencies;
}

std::string binCsvRows(const std::vector<std::span<const double>>& columns,
                       const std::string* file) {
    const std::string lead = file ? csvField(*file) + ',' : "";
    const std::size_t rows = columns.empty() ? 0 : columns.front().size();
    constexpr std::size_t kNumberBytes = 25;  // a number of at most 24 characters and its comma
    std::string out;
    out.reserve(rows * (lead.size() + kNumberBytes * (columns.size() + 1)));
    for (std::size_t k = 0; k < rows; ++k) {
        out += lead;
        appendWhole(out, static_cast<long>(k));
        for (const std::span<const double> column : columns) {
            out += ',';
            appendRoundTrip(out, column[k]);
        }
        out += '\n';
    }
    return out;
}

std::string spectrumCsvRows(const SpectrumReport& report, const std::string* file) {
    return binCsvRows({binFrequenciesHz(report), report.log_power, report.phase_rad}, file);
}

std::string spectrumCsv(const SpectrumReport& report) {
    return spectrumCsvHeader() + spectrumCsvRows(report);
}
