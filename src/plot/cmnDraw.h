#pragma once

#include <vector>

#include "plot/plot_columns.h"

class WSCvdrawingArea;
class WSDdev;
class WSDmwindowDev;

// Frames and curves of the four plots, drawn into an off-screen device.
//
// Every function reads the area's _WSNwidth × _WSNheight (W × H) on each call and keeps
// margins of 3 % (mx = 3W/100, my = 3H/100, integer division); the plot rectangle runs
// from (mx, my) to (W − mx, H − my), y growing downward. Every coordinate is worked out so
// in the area's logical pixels, then multiplied by the device's pixel ratio R and truncated
// toward zero: at R = 1 a logical pixel is a device pixel, above 1 the plot is drawn at the
// screen's own resolution, its lines one device pixel wide. The device is expected to be
// deviceLength(W, R) × deviceLength(H, R); whatever falls outside it is clipped.
// A frame function clears the picture to white first; the curve functions draw over what
// the picture holds, in the device's drawing colour, on any device: the power plot's overlay
// draws them over the window's copy of the view.
//
// A curve skips every segment it cannot place: a count below 2, a maximum of 0, a NaN or
// infinite value or maximum draws nothing for the segments concerned. A finite value
// beyond ±maximum is drawn at the frame's edge (y = my or H − my). Null pointers draw
// nothing.

// A frame with its vertical axis at x = mx and a centre line at y = H/2.
void drawScale(WSCvdrawingArea* area, WSDmwindowDev* device);

// A frame with the vertical axis and a bottom axis at y = H − my, ticked below the axis
// every 1000 Hz (short) and 5000 Hz (longer) between 0 and half the sampling frequency,
// both ends excluded. No ticks when the rate is 0 or less, or when its half does not fit
// 16 bits.
void drawScalePlus(WSCvdrawingArea* area, WSDmwindowDev* device, long sampling_frequency_hz);

// The power plot's frame over a part of its points, or a logarithmic axis: the axes of
// drawScalePlus, with ticks as long as its longer ones at the ticks' points (fractional, in
// the units of the points), placed as the curves place count points of which range lies
// across the plot; none at the frame's sides or beyond them.
void drawScalePlus(WSCvdrawingArea* area, WSDmwindowDev* device, long count,
                   const PointRange& range, const std::vector<double>& ticks);

// The curve through values[0 … count − 1], centred on y = H/2: +maximum lands on the top
// margin, −maximum on the bottom one; value i sits at x = mx + i·(W − 2mx)/count. The
// short variant holds its vertical scale and y values in single precision.
void drawWave(WSCvdrawingArea* area, WSDdev* device, const short* values, long count,
              short maximum);
void drawWave(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
              double maximum);

// The same, rising from the bottom axis: 0 lies on y = H − my, maximum on the top margin.
void drawWavePlus(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
                  double maximum);

// The same two curves over a part of their points, or a logarithmic axis: count points of which
// range lies across the plot, each at the column where plot_columns puts it. A column that holds
// several points draws the one of the largest strength (the first on a tie), so that it shows
// what a reading there names; lines join the points drawn, and the two that leave the frame's
// sides end there. Nothing is drawn beyond the sides.
void drawWave(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
              double maximum, const PointRange& range, const double* strength);
void drawWavePlus(WSCvdrawingArea* area, WSDdev* device, const double* values, long count,
                  double maximum, const PointRange& range, const double* strength);

// The largest magnitude, −1 for a count of 0 or less. The magnitude of −32768 saturates to
// 32767, the largest that fits 16 bits; NaN values are passed over.
short findMax(const short* values, long count);
double findMax(const double* values, long count);
