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
  // A growing text (one value per line) never loses the start of a line too
  // wide for its box: such a line starts at the box's left edge and may run on
  // over spillRight twips of blank room right of the box.
  bool keepsLineStart = false;
  int spillRight = 0;

  // The line of the whole text shown level with height y of the page
  // (1-based), or 0 when none of the lines shown here is.
  int lineAt(int y) const;
  // Twips a line may take: the box less its indents, and the room after it.
  int lineRoom() const { return rect.width() - leftIndent - rightIndent + spillRight; }
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
