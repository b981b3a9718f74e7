#include "platform/report/RenderedReport.h"

namespace platform {

int RenderedText::lineAt(int y) const {
  if (y < rect.top() || linePitch < 1) return 0;
  const int row = (y - rect.top()) / linePitch;
  return row < lines.size() && y < rect.top() + rect.height() ? firstLine + row : 0;
}

ReportHit RenderedReport::hitTest(int page, const QPoint& point) const {
  ReportHit hit;
  if (page < 1 || page > pageCount()) return hit;
  const RenderedPage& shown = pages[page - 1];
  for (auto text = shown.texts.crbegin(); text != shown.texts.crend(); ++text) {
    if (!text->rect.contains(point)) continue;
    const int row = (point.y() - text->rect.top()) / std::max(1, text->linePitch);
    hit.objectName = text->objectName;
    hit.lineNumber = text->firstLine + row;
    if (row < text->lines.size()) hit.lineText = text->lines.at(row);
    return hit;
  }
  return hit;
}

QVector<RenderedText> RenderedReport::textsOf(const QString& objectName, int page) const {
  QVector<RenderedText> found;
  if (page < 1 || page > pageCount()) return found;
  for (const RenderedText& text : pages[page - 1].texts)
    if (text.objectName == objectName) found.append(text);
  return found;
}

}  // namespace platform
