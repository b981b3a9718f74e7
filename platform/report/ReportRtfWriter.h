#pragma once

#include <QByteArray>
#include <QString>

#include "platform/report/RenderedReport.h"
#include "platform/report/ReportTypes.h"

namespace platform {

// Writes laid-out pages as rich text: every text object becomes a frame
// positioned on its page in twips (pictures too, as PNG), pages are divided by
// page breaks. Lines and boxes are not written.
class ReportRtfWriter {
 public:
  static QByteArray toRtf(const RenderedReport& report, int firstPage, int lastPage);
  static ReportStatus write(const RenderedReport& report, const QString& fileName, int firstPage, int lastPage);
  // Text made safe for rich text: \ { } escaped, tabs as \tab, other control
  // characters dropped, everything outside ASCII as \uN? escapes.
  static QByteArray escape(const QString& text);
};

}  // namespace platform
