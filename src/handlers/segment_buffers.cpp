#include "handlers/segment_buffers.h"

#include <algorithm>

#include "wave/analysis_state.h"

namespace {

void remake(double*& buffer) {
    delete[] buffer;
    buffer = nullptr;
    buffer = new double[static_cast<std::size_t>(selsize)];
}

}  // namespace

void releaseSegment() {
    delete[] seliii;
    seliii = nullptr;
    selsize = 0;
}

bool makeSegmentAtStart() {
    if (!siii || selsize <= 0 || selsize > maxsize) return false;
    seliii = new short[static_cast<std::size_t>(selsize)];
    std::copy_n(siii, selsize, seliii);
    return true;
}

void remakeSpectrumBuffers() {
    remake(selRe);
    remake(selIm);
    remake(power);
    remake(phase);
}
