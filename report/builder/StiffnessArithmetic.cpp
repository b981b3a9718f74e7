#include "report/builder/StiffnessArithmetic.h"

#include <cmath>

namespace report::stiffness {

namespace {

std::optional<double> finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> quotient(double numerator, double denominator) {
  if (denominator == 0.0) return std::nullopt;
  return finite(numerator / denominator);
}

double power(double real, double imag) { return real * real + imag * imag; }

// The square root that keeps the sign of its argument.
double signedRoot(double t) { return t < 0 ? -std::pow(std::fabs(t), 0.5) : std::pow(t, 0.5); }

}  // namespace

double convertedCount(double raw) { return raw * 10 / 4096 - 5; }

std::optional<double> Log10(double x) {
  if (!(x > 0)) return std::nullopt;
  const double ten = std::log(10.0);
  return finite(std::log(x) / ten);
}

std::optional<double> signalToNoise(double realSignal, double imagSignal, double realNoise, double imagNoise) {
  const auto ratio = quotient(power(realSignal, imagSignal), power(realNoise, imagNoise));
  if (!ratio) return std::nullopt;
  const auto decades = Log10(*ratio);
  if (!decades) return std::nullopt;
  return finite(10 * *decades);
}

std::optional<double> stiffnessMN(const Sweep& signal, double calFactor, double assemblyMass, double frequency) {
  const auto inPhase = quotient(-(signal.realDispl * signal.realForce + signal.imagDispl * signal.imagForce),
                                power(signal.realDispl, signal.imagDispl));
  if (!inPhase) return std::nullopt;
  const double omega = 2 * Pi * frequency;
  return finite(*inPhase * calFactor + assemblyMass * (omega * omega / 1000000));
}

std::optional<double> stiffnessLbf(double k) {
  const double factor = 1000000 / (InchesPerMetre * NewtonsPerPoundForce);
  return finite(k * factor);
}

std::optional<double> youngsModulus(double k, double poisson) {
  return finite(k * (1 - poisson * poisson) / (1.77 * MetresPerInch * 2.25));
}

std::optional<double> shearModulus(double k, double poisson, double plate) {
  return finite(k * (1 - poisson) / (3.54 * MetresPerInch * plate));
}

std::optional<double> inPsi(double mpa) { return finite(mpa * PsiPerMPa); }

// The steps keep the order of the written formula, and so its rounding.
std::optional<double> densityRatio(double meanK, double MeasMs, double Slopes, double Interc) {
  if (!(meanK > 0)) return std::nullopt;
  const auto perMoisture = quotient(meanK, MeasMs);
  if (!perMoisture) return std::nullopt;
  double t = Slopes * *perMoisture;
  t = t + Interc;
  t = MeasMs * t;
  t = t / meanK;
  t = t - 0.3;
  const double r = signedRoot(t) * 1.2 + 1;
  if (r == 0.0) return std::nullopt;
  return finite(r);
}

std::optional<double> dryDensity(double density, double ratio) {
  const auto estimate = quotient(density, ratio);
  if (!estimate) return std::nullopt;
  return finite(roundHalfEven(*estimate, 1));
}

double roundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // nearbyint rounds in the current mode, which is to the nearest, ties even.
  return std::nearbyint(value * scale) / scale;
}

}  // namespace report::stiffness
