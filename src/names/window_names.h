#pragma once

#include <array>

// The instance names of the main window and its sixteen widgets, the window's least size,
// and the segment sizes the size box offers. Widgets are looked up by name at every event and a
// lookup that finds nothing is skipped without a word, so every name is spelt here once and used
// through these constants: a misspelt constant fails to compile.
namespace names {

inline constexpr char kMainWindow[] = "newwin000";

// The window is built at this size, and never takes a smaller one.
inline constexpr int kLeastWindowWidth = 800;
inline constexpr int kLeastWindowHeight = 600;

inline constexpr char kSelectButton[] = "newvbtn_000";
inline constexpr char kBackButton[] = "newvbtn_001";
inline constexpr char kForwButton[] = "newvbtn_002";
inline constexpr char kSizeBox[] = "newcomb_000";
inline constexpr char kPositionSlider[] = "newvsli_000";

inline constexpr char kWholeWaveArea[] = "newvdra_001";  // view 1
inline constexpr char kSegmentArea[] = "newvdra_002";    // view 2
inline constexpr char kPowerArea[] = "newvdra_000";      // view 3
inline constexpr char kPhaseArea[] = "newvdra_003";      // view 4

inline constexpr char kNameLabel[] = "newvlab_000";
inline constexpr char kRateLabel[] = "newvlab_005";
inline constexpr char kBitsLabel[] = "newvlab_011";
inline constexpr char kPointsLabel[] = "newvlab_012";
inline constexpr char kPositionLabel[] = "newvlab_013";
inline constexpr char kPowerCaption[] = "newvlab_002";
inline constexpr char kPhaseCaption[] = "newvlab_007";

// The captions' own texts, shown whenever they read out no bin.
inline constexpr char kPowerCaptionText[] = "power";
inline constexpr char kPhaseCaptionText[] = "phase";

// The context menu's entries for the reference, by which a replay chooses them too.
inline constexpr char kHoldReferenceEntry[] = "Hold as reference";
inline constexpr char kOpenReferenceEntry[] = "Open reference…";
inline constexpr char kDropReferenceEntry[] = "Drop reference";
inline constexpr char kShowDifferenceEntry[] = "Show difference";
// Its view entries, likewise.
inline constexpr char kShowAllFrequenciesEntry[] = "Show all frequencies";
inline constexpr char kLogarithmicAxisEntry[] = "Logarithmic frequency axis";

// The segment sizes, smallest first, as numbers and as the size box's item list.
inline constexpr std::array<long, 4> kSegmentSizes{512, 1024, 2048, 4096};
inline constexpr char kSegmentSizeItems[] = "512,1024,2048,4096";
inline constexpr long kDefaultSegmentSize = 1024;

}  // namespace names
