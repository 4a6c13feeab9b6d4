#include "sound/rate_conversion.h"

#include <soxr.h>

#include <cmath>

std::vector<double> resampled(std::span<const double> input, long from_hz, long to_hz) {
    const double ratio = double(to_hz) / double(from_hz);
    std::vector<double> output(static_cast<std::size_t>(std::ceil(double(input.size()) * ratio)) +
                               1);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    std::size_t produced = 0;
    const soxr_error_t error =
        soxr_oneshot(double(from_hz), double(to_hz), 1, input.data(), input.size(), nullptr,
                     output.data(), output.size(), &produced, &io, &quality, nullptr);
    output.resize(error ? 0 : produced);
    return output;
}
