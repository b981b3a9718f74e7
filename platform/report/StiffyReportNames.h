#pragma once

#include <array>

namespace platform {

// Names of the stiffness report's objects that stand in fixed roles, left to
// right: the heading row, the value column under each heading, the run line
// under the first ten headings, and the constants table (value objects and
// their side texts).
namespace StiffyReportNames {

inline constexpr std::array<const char*, 13> Headings = {
    "StiffyBinHeading",
    "StiffyFreqHeading",
    "StiffyDisplDbHeading",
    "StiffyForceDbHeading",
    "StiffyStiffMNHeading",
    "StiffyStiffLbfHeading",
    "StiffyYoungsMPaHeading",
    "StiffyYoungsPsiHeading",
    "StiffyShearMPaHeading",
    "StiffyShearPsiHeading",
    "StiffyMoistureHeading",
    "StiffyDryPcfHeading",
    "StiffyDryKgHeading",
};

inline constexpr std::array<const char*, 13> Columns = {
    "StiffyBinNumber",
    "StiffyFrequency",
    "StiffyDisplSNR",
    "StiffyForceSNR",
    "StiffyStiffnessMN",
    "StiffyStiffnessLbf",
    "StiffyYoungsMPa",
    "StiffyYoungsPsi",
    "StiffyShearMPa",
    "StiffyShearPsi",
    "StiffyMoisture",
    "StiffyDryDensityPcf",
    "StiffyDryDensityKg",
};

inline constexpr std::array<const char*, 10> RunLine = {
    "StiffyRunCaption",
    "StiffyRunNumber",
    "StiffyMeasureCaption",
    "StiffyMeasure",
    "StiffyCalFactorCaption",
    "StiffyCalFactor",
    "StiffyDateCaption",
    "StiffyDate",
    "StiffyTimeCaption",
    "StiffyTime",
};

inline constexpr std::array<const char*, 6> ConstantValues = {
    "StiffyAssemblyMass",
    "StiffyPoissonRatio",
    "StiffyDensityPcf",
    "StiffySlope",
    "StiffyIntercept",
    "StiffyDensityKg",
};

inline constexpr std::array<const char*, 6> ConstantSides = {
    "ConAssemblyMass",
    "ConPoissonRatio",
    "ConDensityPcf",
    "ConSlope",
    "ConIntercept",
    "ConDensityKg",
};

// The signal-to-noise heading over the displacement and force dB headings.
inline constexpr const char* SnrHeading = "StiffySnrHeading";

}  // namespace StiffyReportNames

}  // namespace platform
