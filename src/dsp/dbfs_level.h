#pragma once

#include <span>
#include <vector>

// Levels in dB relative to full scale, for the pipeline's spectrum of n points.

// The largest sample value: a full-scale sine has this amplitude.
inline constexpr double kFullScaleAmplitude = 32767;

// A bin's level: its magnitude √P against what a full-scale sine centred on a bin gives
// there (without its mirror), 32767·Σw/(2n) with Σw = 0.54·n − 0.46; -inf for P = 0.
double binLevelDbfs(double power, long n);

// How far a bin of power lies above the same bin of reference_power, both of spectra of one
// size: the difference of their binLevelDbfs, in which the full scale cancels; 0 where both
// are 0, ±∞ where one is.
double binLevelDifferenceDb(double power, double reference_power);

// The same over the bins both spectra have, each given by its log power ln(1 + P).
std::vector<double> levelDifferencesDb(std::span<const double> log_power,
                                       std::span<const double> reference_log_power);

// A tone's level: its amplitude against 32767.
double toneLevelDbfs(double amplitude);
