#pragma once

namespace report {

// The seven stiffness constants the user keeps: loaded from and saved to the
// stiffness constants file, edited by the constants form, read by the
// stiffness report. One instance, owned by the main window.
struct StiffnessConstants {
  double MeasMs = 0;  // measured moisture content (% by weight / 100)
  double Assmas = 0;  // assembly mass (kg)
  double Poisra = 0;  // Poisson's ratio
  double Densit = 0;  // density Po (pcf)
  double Slopes = 0;  // slope of the line C against K/m
  double Interc = 0;  // intercept of the line C against K/m
  double Densi2 = 0;  // density Po (kg/m^3)
};

}  // namespace report
