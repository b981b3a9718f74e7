#pragma once

#include <QImage>
#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include "platform/report/TextObject.h"

namespace platform {

// A laid-out report: per page, what to draw and where, in twips from the
// paper's top-left corner. The screen, the printer, PDF and rich text all draw
// from this one list.
struct RenderedText {
  QString objectName;
  QRect rect;              // the object's box on this page
  QStringList lines;       // the lines shown on this page
  int firstLine = 1;       // number of lines.first() within the object's text
  int linePitch = 216;
  ReportFont font;
  int alignment = HorAlignment::Default;
  int leftIndent = 0;
  int rightIndent = 0;
  EdgeStyles edges;
};

struct RenderedRule {
  QLine line;
  int penWidth = 15;
  int style = LineStyle::Single;
};

struct RenderedBox {
  QRect rect;
  int penWidth = 15;
  int style = LineStyle::Single;
};

struct RenderedPicture {
  QString objectName;
  QRect rect;
  QImage image;
};

struct RenderedPage {
  QVector<RenderedPicture> pictures;
  QVector<RenderedBox> boxes;
  QVector<RenderedText> texts;
  QVector<RenderedRule> rules;
};

// What lies under a point of a page: the topmost text object there and the
// line of its text (1-based within the whole text), or nothing.
struct ReportHit {
  QString objectName;      // empty: no text object there
  int lineNumber = 0;      // 0 with no object
  QString lineText;        // empty past the end of the text
};

struct RenderedReport {
  QSize pageSize{12240, 15840};
  int orientation = 1;
  QVector<RenderedPage> pages;

  int pageCount() const { return static_cast<int>(pages.size()); }
  // page is 1-based; point in twips on that page.
  ReportHit hitTest(int page, const QPoint& point) const;
  // Every text item of one object on one page (1-based), in drawing order.
  QVector<RenderedText> textsOf(const QString& objectName, int page) const;
};

}  // namespace platform
