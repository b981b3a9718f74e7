#include "platform/report/ReportRenderer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/core/Twips.h"
#include "platform/report/TextWidth.h"

namespace platform {

namespace {

Qt::PenStyle penStyle(int style) {
  switch (style) {
    case LineStyle::Dashed: return Qt::DashLine;
    case LineStyle::Dotted: return Qt::DotLine;
    case LineStyle::None: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

class PageMapper {
 public:
  PageMapper(double scale, const QPointF& origin) : scale_(scale), origin_(origin) {}
  double x(double twips) const { return origin_.x() + twips * scale_; }
  double y(double twips) const { return origin_.y() + twips * scale_; }
  double length(double twips) const { return twips * scale_; }
  QRectF rect(const QRect& twips) const {
    return {x(twips.left()), y(twips.top()), length(twips.width()), length(twips.height())};
  }
  QPen pen(int penTwips, int style) const {
    QPen pen(Qt::black, std::max(1.0, length(penTwips)), penStyle(style), Qt::FlatCap);
    return pen;
  }

 private:
  double scale_;
  QPointF origin_;
};

class FontCache {
 public:
  explicit FontCache(double scale) : scale_(scale) {}
  const QFont& font(const ReportFont& spec) {
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(spec.family).arg(spec.size).arg(spec.bold).arg(spec.italic);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      QFont font(spec.family);
      font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.size * TwipsPerPoint * scale_))));
      font.setBold(spec.bold);
      font.setItalic(spec.italic);
      found = fonts_.insert(key, font);
    }
    return *found;
  }

 private:
  double scale_;
  QHash<QString, QFont> fonts_;
};

void drawDoubleAware(QPainter& painter, const PageMapper& map, const QLineF& line, int style) {
  painter.setPen(map.pen(15, style));
  painter.drawLine(line);
  if (style != LineStyle::Double) return;
  const double gap = map.length(40);
  const QPointF offset = line.dx() == 0 ? QPointF(gap, 0) : QPointF(0, gap);
  painter.drawLine(line.translated(offset));
}

void drawEdges(QPainter& painter, const PageMapper& map, const RenderedText& text) {
  const QRectF r = map.rect(text.rect);
  if (text.edges.left) drawDoubleAware(painter, map, QLineF(r.topLeft(), r.bottomLeft()), text.edges.left);
  if (text.edges.right) drawDoubleAware(painter, map, QLineF(r.topRight(), r.bottomRight()), text.edges.right);
  if (text.edges.top) drawDoubleAware(painter, map, QLineF(r.topLeft(), r.topRight()), text.edges.top);
  if (text.edges.bottom) drawDoubleAware(painter, map, QLineF(r.bottomLeft(), r.bottomRight()), text.edges.bottom);
}

// A value line takes no more width than the layout's ruler gives it, so a
// line the layout lets show whole is never clipped by a wider screen font.
void drawWithinRuler(QPainter& painter, const QPointF& at, const QString& line, double advance, double ruled) {
  if (advance <= ruled || advance <= 0) {
    painter.drawText(at, line);
    return;
  }
  painter.save();
  painter.translate(at);
  painter.scale(ruled / advance, 1.0);
  painter.drawText(QPointF(), line);
  painter.restore();
}

void drawText(QPainter& painter, const PageMapper& map, FontCache& fonts, const RenderedText& text) {
  if (text.lines.isEmpty() || text.rect.width() <= 0 || text.rect.height() <= 0) return;
  const QFont& font = fonts.font(text.font);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const QRectF box = map.rect(text.rect);
  const double pitch = map.length(text.linePitch);
  // A box lower than its font still shows its first line whole: a larger
  // report font must not cut a value down to a smudge.
  QRectF clip = box;
  clip.setHeight(std::max(box.height(), pitch));
  if (text.keepsLineStart) clip.setWidth(box.width() + map.length(text.spillRight));
  painter.setClipRect(clip);
  const double left = map.x(text.rect.left() + text.leftIndent);
  const double right = map.x(text.rect.left() + text.rect.width() - text.rightIndent);
  const double baseline = (pitch + metrics.ascent() - metrics.descent()) / 2.0;
  for (int row = 0; row < text.lines.size(); ++row) {
    const double top = box.top() + row * pitch;
    if (top > box.bottom()) break;
    const QString& line = text.lines.at(row);
    if (line.isEmpty()) continue;
    double x = left;
    const double advance = metrics.horizontalAdvance(line);
    // A value line is as wide as the layout's ruler makes it at most.
    const double ruled = text.keepsLineStart ? map.length(textWidthTwips(line, text.font)) : advance;
    const double drawn = std::min(advance, ruled);
    const bool tooWide = text.keepsLineStart && drawn > right - left;
    if (!tooWide && (text.alignment == HorAlignment::Right || text.alignment == HorAlignment::Centred))
      x = text.alignment == HorAlignment::Right ? right - drawn : (left + right - drawn) / 2.0;
    drawWithinRuler(painter, QPointF(x, top + baseline), line, advance, ruled);
  }
  painter.setClipping(false);
}

}  // namespace

void ReportRenderer::paintPage(QPainter& painter, const RenderedReport& report, int page, double pixelsPerTwip,
                               const QPointF& origin) {
  if (page < 1 || page > report.pageCount()) return;
  const RenderedPage& shown = report.pages[page - 1];
  const PageMapper map(pixelsPerTwip, origin);
  FontCache fonts(pixelsPerTwip);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setBrush(Qt::NoBrush);
  for (const RenderedPicture& picture : shown.pictures) painter.drawImage(map.rect(picture.rect), picture.image);
  for (const RenderedBox& box : shown.boxes) {
    painter.setPen(map.pen(box.penWidth, box.style));
    painter.drawRect(map.rect(box.rect));
  }
  painter.setPen(Qt::black);
  for (const RenderedText& text : shown.texts) {
    painter.setPen(Qt::black);
    drawText(painter, map, fonts, text);
    drawEdges(painter, map, text);
  }
  for (const RenderedRule& rule : shown.rules) {
    painter.setPen(map.pen(rule.penWidth, rule.style));
    painter.drawLine(QLineF(map.x(rule.line.x1()), map.y(rule.line.y1()), map.x(rule.line.x2()), map.y(rule.line.y2())));
  }
  painter.restore();
}

double ReportRenderer::pixelsPerTwip(const QPaintDevice& device) {
  return static_cast<double>(device.logicalDpiY()) / TwipsPerInch;
}

}  // namespace platform
