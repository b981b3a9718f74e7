#pragma once

#include <QString>

namespace report {

// Texts of the export choices.
namespace ExportChoice {
inline const QString Disk = QStringLiteral("DISK");
inline const QString Application = QStringLiteral("APPLICATION");
inline const QString Csv = QStringLiteral("CSV");
inline const QString Rtf = QStringLiteral("RTF");
inline const QString Pdf = QStringLiteral("PDF");
inline const QString All = QStringLiteral("ALL");
inline const QString Range = QStringLiteral("RANGE");
inline const QString Current = QStringLiteral("CURRENT");
}  // namespace ExportChoice

// The choices of the last export options dialog, written only by the dialog
// (ExportForm) and read by the export handler. Owned by the export command
// and passed by reference. Export_Confirmed is false until the dialog is left
// with a valid OK; the other members keep the last confirmed values (the
// viewer's own export button exports with them).
struct Export_Choices {
  QString Export_Destination;   // "DISK" or "APPLICATION"
  QString Export_Format;        // "CSV", "RTF" or "PDF"; empty before the first confirmed dialog
  QString Export_Raw_File;      // file of the raw-data report (Report)
  QString Export_Stiff_File;    // file of the stiffness report (StiffyReport)
  QString Export_Range;         // "ALL" or "RANGE"
  QString Export_Range_Start;   // first page, only written with "RANGE"
  QString Export_Range_End;     // last page, only written with "RANGE"
  QString Export_What;          // "ALL" (both reports of a stiffness run) or "CURRENT" (the shown tab's)
  bool Export_Confirmed = false;
};

}  // namespace report
