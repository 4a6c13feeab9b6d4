#pragma once

class WSDmwindowDev;

// The off-screen device of each view, null until the view's init callback or its first
// drawer creates it; it then lives until the process ends, sized again with its area.
extern WSDmwindowDev* mdev;   // view 1, the whole wave: newvdra_001
extern WSDmwindowDev* mdev2;  // view 2, the segment: newvdra_002
extern WSDmwindowDev* mdev3;  // view 3, the power spectrum: newvdra_000
extern WSDmwindowDev* mdev4;  // view 4, the phase spectrum: newvdra_003
