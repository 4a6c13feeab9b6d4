#include "report/reference_columns.h"

#include "dsp/dbfs_level.h"
#include "wave/analysis_state.h"
#include "wave/reference_state.h"

std::optional<SpectrumReport> currentReferenceReport() {
    if (!heldReference || heldReference->log_power.empty()) return std::nullopt;
    SpectrumReport report;
    report.name = heldReference->name;
    report.rate_hz = sampleFreq;
    report.points = static_cast<long>(heldReference->wave.size());
    report.size = selsize;
    report.position = heldReference->position;
    report.log_power = heldReference->log_power;
    report.phase_rad = heldReference->phase_rad;
    return report;
}

std::vector<double> differenceDb(const SpectrumReport& current, const SpectrumReport& reference) {
    return levelDifferencesDb(current.log_power, reference.log_power);
}

std::string referenceCsvHeader(ReferenceColumns columns) {
    if (columns == ReferenceColumns::levels_only)
        return "bin,frequency_hz,log_power,reference_log_power,difference_db\n";
    std::string header = spectrumCsvHeader();
    header.insert(header.size() - 1, ",reference_log_power,reference_phase_rad,difference_db");
    return header;
}

std::string referenceCsvRows(ReferenceColumns columns, const SpectrumReport& current,
                             const SpectrumReport& reference, const std::string* file) {
    if (columns == ReferenceColumns::levels_only)
        return binCsvRows({binFrequenciesHz(current), current.log_power, reference.log_power,
                           differenceDb(current, reference)},
                          file);
    return binCsvRows({binFrequenciesHz(current), current.log_power, current.phase_rad,
                       reference.log_power, reference.phase_rad, differenceDb(current, reference)},
                      file);
}

std::string comparedSpectrumCsv(const SpectrumReport& current, const SpectrumReport& reference) {
    constexpr ReferenceColumns kColumns = ReferenceColumns::beside_spectrum;
    return referenceCsvHeader(kColumns) + referenceCsvRows(kColumns, current, reference);
}
