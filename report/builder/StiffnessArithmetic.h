#pragma once

#include <optional>

// The arithmetic of the stiffness report, as pure functions. A function gives
// nothing where its step would divide by zero, take the logarithm of zero or
// less, or end in a value that is not finite; the report shows "NA" there.
namespace report::stiffness {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double MetresPerInch = 0.0254;
inline constexpr double InchesPerMetre = 39.37;
inline constexpr double NewtonsPerPoundForce = 4.448;
inline constexpr double PsiPerMPa = 145;

// The plate term of the shear modulus: 2.25 for a frequency bin, 2.5 for a
// run listed in the shared table of later runs.
inline constexpr double BinShearPlate = 2.25;
inline constexpr double ListedRunShearPlate = 2.5;

// One sweep of a bin (signal or noise): real and imaginary displacement and
// force, converted from raw counts.
struct Sweep {
  double realDispl = 0;
  double imagDispl = 0;
  double realForce = 0;
  double imagForce = 0;
};

// A raw count of the gauge's converter in volts: raw x 10 / 4096 - 5.
double convertedCount(double raw);

// Log(x) / Log(10); nothing for x of zero or less.
std::optional<double> Log10(double x);

// 10 x Log10(signal power / noise power) in dB, from one real and imaginary
// pair of each; nothing when either power is zero.
std::optional<double> signalToNoise(double realSignal, double imagSignal, double realNoise, double imagNoise);

// Measured stiffness K (MN/m) of a bin: the in-phase part of force over
// displacement times the calibration factor, plus the assembly mass term at
// the bin's frequency (Hz). Nothing when the displacement is zero.
std::optional<double> stiffnessMN(const Sweep& signal, double calFactor, double assemblyMass, double frequency);

// K in lbf/in.
std::optional<double> stiffnessLbf(double k);
// Young's modulus E (MPa) from K and Poisson's ratio.
std::optional<double> youngsModulus(double k, double poisson);
// Shear modulus G (MPa) from K, Poisson's ratio and the plate term.
std::optional<double> shearModulus(double k, double poisson, double plate);
// A modulus in MPa as psi.
std::optional<double> inPsi(double mpa);

// The ratio r by which the density Po is divided to estimate the dry density,
// from the mean stiffness and the moisture, slope and intercept constants.
// Nothing when the moisture is zero, the mean stiffness is zero or less, or r
// comes out zero.
std::optional<double> densityRatio(double meanK, double MeasMs, double Slopes, double Interc);

// density / r, rounded to one decimal with halves to the even neighbour.
std::optional<double> dryDensity(double density, double ratio);

// value rounded to the given number of decimals, halves to the even neighbour.
double roundHalfEven(double value, int decimals);

}  // namespace report::stiffness
