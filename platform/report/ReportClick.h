#pragma once

#include <QMetaType>
#include <QPoint>
#include <QString>
#include <QVector>

#include "platform/report/RenderedReport.h"

namespace platform {

// A click on a report viewer's page: where (page twips and widget pixels) and
// what lies there (the text object and the 1-based line of its whole text).
struct ReportClick {
  int viewerIndex = 0;
  int page = 0;            // 1-based page shown
  QPoint twips;            // position on the page
  QPoint pixels;           // position in the viewer's page widget
  QString objectName;      // empty: no text object under the click
  int lineNumber = 0;      // line within the object's text; 0 with no object
  QString lineText;        // that line, empty past the end of the text
  // Every text object of the page as it was shown, so that what stands level
  // with the click (a row of a table, say) can be told from any column of it.
  QVector<RenderedText> pageTexts;
};

}  // namespace platform

Q_DECLARE_METATYPE(platform::ReportClick)
