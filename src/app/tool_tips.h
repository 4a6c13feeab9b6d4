#pragma once

#include <string>

class WSCbase;

// What a control or information label of the main window is, for its tooltip; after a load
// the information labels' tooltips give their value with its unit ("22050 samples kept
// (0.500 s)"), and the name label's the whole file name. Empty for other widgets.
std::string toolTipOf(const WSCbase& widget);
