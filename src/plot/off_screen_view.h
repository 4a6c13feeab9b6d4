#pragma once

class WSCbase;
class WSCvdrawingArea;
class WSDmwindowDev;

// A plot kept as an off-screen view: a drawing area paired with a device that holds the
// plot's last picture. Drawing goes into the device; the area's expose copies it to the
// window, so a repaint never recomputes anything.

using ScaleRoutine = void (*)(WSCvdrawingArea* area, WSDmwindowDev* device);

// The object as a drawing area, or null when it is none.
WSCvdrawingArea* asDrawingArea(WSCbase* object);

// The view's device, sized to the area's current width × height at the area's pixel ratio:
// created the first time, sized again (white) whenever the area's size or ratio changed.
// *blank tells whether this call made or sized it, so that it holds no picture yet.
WSDmwindowDev* viewDevice(WSCvdrawingArea* area, WSDmwindowDev*& slot, bool* blank = nullptr);

// Initialise event of a view: when the device is new (or blank), draws the empty scale into
// it; every time, runs the object's expose procedures so the window shows it.
void initView(WSCbase* object, WSDmwindowDev*& slot, ScaleRoutine draw_scale);

// Expose event of a view: copies the device's whole picture, at its own size, onto the
// area's window device at the origin. Nothing happens before the device exists.
void exposeView(WSCbase* object, const WSDmwindowDev* device);
