#include <string>

#include "app/export_file_name.h"
#include "app/tool_tips.h"
#include "handlers/position_controls.h"
#include "handlers/spectrum_reading.h"
#include "names/window_names.h"
#include "report/segment_report.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

namespace {

constexpr char kHelpText[] =
    "Sefaro " SEFARO_VERSION
    "\n"
    "\n"
    "Mouse\n"
    "  select WAVE, or drop a file on the window: open a WAVE file\n"
    "  size box: the segment's size N\n"
    "  slider: where the segment starts; drag it, or click it and use the keys below\n"
    "  back, forw: one sample back or forward; hold to repeat\n"
    "  right-click a plot: copy the reading, save or copy the picture or the spectrum\n"
    "\n"
    "Keyboard\n"
    "  Ctrl+O  open a WAVE file\n"
    "  Ctrl+S  save window as picture (PNG)\n"
    "  Ctrl+E  export spectrum (CSV)\n"
    "  Ctrl+C  copy picture\n"
    "  Ctrl+Shift+C  copy spectrum\n"
    "  Ctrl+Alt+C  copy reading: the power or phase plot's reading as one line\n"
    "  Tab  next control; on the slider Left/Right one sample,\n"
    "       PageUp/PageDown a fiftieth, Home/End either end;\n"
    "       on from the slider to the power and the phase plot\n"
    "  On the power or phase plot: Left/Right one bin, Shift+Left/Shift+Right\n"
    "       the previous/next peak, Home/End the first/last bin, Escape ends the reading\n"
    "  F1  this help\n"
    "  Ctrl+Q, Ctrl+W  quit";

// The spectrum as sefaro-cli spectrum prints it, once a segment is analysed.
std::string spectrumText() {
    return spectrumCsv(currentSpectrumReport());
}

// The reading shown now, in its long form, with the file, size and position it is of;
// empty when nothing is read.
std::string readingLine() {
    const std::string reading = currentSpectrumReading();
    const WSCbase* name = WSGIappObjectList()->getInstance("WSCvlabel", names::kNameLabel);
    if (reading.empty() || !name) return "";
    return reading + "   " + name->getProperty(_WSNlabelString()).text() + ", N " +
           std::to_string(selsize) + ", position " + std::to_string(sliderPosition());
}

// Filled during static initialisation, before the window is built; the toolkit's backend
// reads it when the application starts.
struct DesktopDescription {
    DesktopDescription() {
        WSdesktop& d = WSGIdesktop();
        d.application_name = "Sefaro";
        d.desktop_id = "org.sefaro.Sefaro";
        d.icon = ":/icons/org.sefaro.Sefaro.png";
        d.version = SEFARO_VERSION;
        d.summary = "Shows the power and phase spectrum of a segment of a short WAVE recording.";
        d.main_window = names::kMainWindow;
        d.open_widget = names::kSelectButton;
        d.open_shortcut = "Ctrl+O";
        d.close_shortcuts = {"Ctrl+Q", "Ctrl+W"};
        d.help_shortcut = "F1";
        d.help_title = "Sefaro help";
        d.help_text = kHelpText;

        d.copies = {{.label = "Copy reading", .shortcut = "Ctrl+Alt+C", .text = readingLine}};
        d.exports = {{.content = WSdesktopExport::Content::windowPicture,
                      .save_label = "Save window as picture…",
                      .save_shortcut = "Ctrl+S",
                      .copy_label = "Copy picture",
                      .copy_shortcut = "Ctrl+C",
                      .suffix = "png",
                      .filter = "PNG picture (*.png)"},
                     {.content = WSdesktopExport::Content::text,
                      .save_label = "Export spectrum…",
                      .save_shortcut = "Ctrl+E",
                      .copy_label = "Copy spectrum",
                      .copy_shortcut = "Ctrl+Shift+C",
                      .suffix = "csv",
                      .filter = "CSV table (*.csv)",
                      .available = [] { return seliii != nullptr; },
                      .text = spectrumText}};
        d.context_menu_widgets = {names::kWholeWaveArea, names::kSegmentArea, names::kPowerArea,
                                  names::kPhaseArea};
        d.proposed_name = exportFileName;
        d.tab_order = {names::kSelectButton, names::kSizeBox,        names::kBackButton,
                       names::kForwButton,   names::kPositionSlider, names::kPowerArea,
                       names::kPhaseArea};
        d.accessible_names = {
            {names::kWholeWaveArea, "whole wave"}, {names::kSegmentArea, "segment"},
            {names::kPowerArea, "power spectrum"}, {names::kPhaseArea, "phase spectrum"},
            {names::kPositionSlider, "position"},  {names::kSizeBox, "segment size"}};
        d.repeating_buttons = {names::kBackButton, names::kForwButton};
        d.tool_tip = toolTipOf;
    }
};

const DesktopDescription description;

}  // namespace
