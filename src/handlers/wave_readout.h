#pragma once

#include <string>

#include "toolkit/WSband.h"

// What the pointer names over the two wave plots, and where the segment lies on the whole
// wave, from the plots' geometry alone.

// The sample drawn first at column x of a wave plot of that width showing points samples,
// or −1 where none is drawn.
long sampleAtColumn(unsigned short width, long points, int x);

// "sample 12345   279.93 ms   -1234": the index counted from the file's start, the time
// from the file's start in milliseconds, the value.
std::string sampleTooltip(long index, long rate_hz, short value);

// Where a click at column x of the whole-wave plot puts the segment: the sample drawn first
// at x or to its right, kept within 0 … points − size.
long positionAtColumn(unsigned short width, long points, long size, int x);

// The columns of the whole-wave plot that draw samples position … position + size − 1.
WSband segmentBand(unsigned short width, long points, long position, long size);

// Why a wave of points samples has no segment of size: "1500 samples: a segment of 4096
// does not fit; choose 1024 or less", or, when even the smallest size does not fit,
// "...; no size fits: a segment needs at least 512 samples".
std::string noSegmentReason(long points, long size);

// Whether a press and a release this far apart, in logical pixels, make a click rather than
// a drag.
bool withinClick(double press_x, double press_y, double x, double y);
