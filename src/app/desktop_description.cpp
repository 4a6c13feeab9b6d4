#include <string>

#include "app/export_file_name.h"
#include "app/tool_tips.h"
#include "handlers/bin_reading_display.h"
#include "handlers/frequency_zoom.h"
#include "handlers/position_controls.h"
#include "handlers/reference_hold.h"
#include "handlers/sound_opening.h"
#include "names/window_names.h"
#include "report/reference_columns.h"
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
    "  select WAVE: open a WAVE file (one channel, 44100 Hz, 16 bits)\n"
    "  drop a file on the window: open it; a sound in another form opens\n"
    "    through the excerpt picker\n"
    "  size box: the segment's size N\n"
    "  slider: where the segment starts; drag it, or click it and use the keys below\n"
    "  back, forw: one sample back or forward; hold to repeat\n"
    "  whole wave: click to move the segment there, or drag along it;\n"
    "    the blue band marks where the segment lies, an orange one the\n"
    "    reference, when it comes from the file loaded\n"
    "  pointer over a plot: the readout names the sample, or the bin and\n"
    "    its peak, under it\n"
    "  wheel over the power or phase plot: zoom both about the frequency\n"
    "    under the pointer\n"
    "  middle-drag, or Shift+drag, on them: pan the zoomed frequencies\n"
    "  double-click them: show all frequencies again\n"
    "  right-click a plot: open any sound, copy the reading, hold the segment\n"
    "    as reference, open a reference from another file, drop it, show the\n"
    "    difference, show all frequencies, a logarithmic frequency axis, save\n"
    "    or copy the picture or the spectrum\n"
    "\n"
    "Keyboard\n"
    "  Ctrl+O  open a WAVE file\n"
    "  Ctrl+Shift+O  open any sound: choose half a second of it in the excerpt\n"
    "                picker (click or drag the band, Left/Right 0.1 s,\n"
    "                PageUp/PageDown 1 s, Home/End either end)\n"
    "  Ctrl+S  save window as picture (PNG)\n"
    "  Ctrl+E  export spectrum (CSV)\n"
    "  Ctrl+C  copy picture\n"
    "  Ctrl+Shift+C  copy spectrum\n"
    "  Ctrl+Alt+C  copy reading: the power or phase plot's reading as one line\n"
    "  R  hold the segment as reference: the power plot shows both curves\n"
    "  Shift+R  drop the reference\n"
    "  Tab  next control; on the slider Left/Right one sample,\n"
    "       PageUp/PageDown a fiftieth, Home/End either end;\n"
    "       on from the slider to the power and the phase plot\n"
    "  On the power or phase plot: Left/Right one bin, Shift+Left/Shift+Right\n"
    "       the previous/next peak, Home/End the first/last bin,\n"
    "       Escape ends the reading\n"
    "  + and -  zoom the power and phase plots in and out, about the pointer\n"
    "       over them, or the focused plot's reading\n"
    "  F1  this help\n"
    "  Ctrl+Q, Ctrl+W  quit";

// The spectrum as sefaro-cli spectrum prints it, once a segment is analysed; with the
// reference's columns while one is held that fits, as spectrum --reference prints them.
std::string spectrumText() {
    const std::optional<SpectrumReport> reference = currentReferenceReport();
    return reference ? comparedSpectrumCsv(currentSpectrumReport(), *reference)
                     : spectrumCsv(currentSpectrumReport());
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
        d.open_any_label = "Open any sound…";
        d.open_any_shortcut = "Ctrl+Shift+O";
        d.open_any = openAnySound;
        d.open_outside = openOutsideSound;
        d.open_excerpt = openSoundExcerpt;
        d.close_shortcuts = {"Ctrl+Q", "Ctrl+W"};
        d.help_shortcut = "F1";
        d.help_title = "Sefaro help";
        d.help_text = kHelpText;

        d.copies = {{.label = "Copy reading", .shortcut = "Ctrl+Alt+C", .text = readingLine}};
        d.actions = {{.label = names::kHoldReferenceEntry,
                      .shortcut = "R",
                      .run = holdShownSegment,
                      .enabled = referenceCanBeHeld},
                     {.label = names::kOpenReferenceEntry,
                      .shortcut = "",
                      .run = openReference,
                      .enabled = referenceCanBeOpened},
                     {.label = names::kDropReferenceEntry,
                      .shortcut = "Shift+R",
                      .run = dropReference,
                      .enabled = referenceHeld},
                     {.label = names::kShowDifferenceEntry,
                      .shortcut = "",
                      .run = [] { showDifference(!differenceIsShown()); },
                      .enabled = referenceHeld,
                      .checked = differenceIsShown}};
        d.view_entries = {
            {.label = names::kShowAllFrequenciesEntry, .shortcut = "", .run = showAllFrequencies},
            {.label = names::kLogarithmicAxisEntry,
             .shortcut = "",
             .run = [] { showLogarithmicAxis(!logarithmicAxisShown()); },
             .checked = logarithmicAxisShown}};
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
        d.empty_hint = "Open a sound: select WAVE, Ctrl+O, Ctrl+Shift+O, or drop a file here";
        d.empty_hint_widget = names::kWholeWaveArea;
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
