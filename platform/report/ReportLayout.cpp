#include "platform/report/ReportLayout.h"

#include <QLocale>
#include <algorithm>
#include <climits>
#include <vector>

#include "platform/report/BoxObject.h"
#include "platform/report/FieldObject.h"
#include "platform/report/LineObject.h"
#include "platform/report/PictureObject.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/TextLines.h"
#include "platform/report/TextWidth.h"

// How a text that needs more room than its box gets it. Three rules, each
// kept narrow so that a grown text never covers a neighbour:
// - A wrapped text pushes down only what stands under it; what stands beside
//   it keeps its place (shiftBelowGrowth).
// - A centred one-line heading a little wider than its box spills past both
//   sides by at most half a column gap (centredTextRoom).
// - A long line of a growing text (a data column) takes the blank room right
//   of it, up to the next text that shows anything, a rule or the margin
//   (markSpillRoom).

namespace platform {

namespace {

enum class Role { Head, Band, Side, Tail };

// How far a centred one-line text may show past each side of its box: half
// the gap between two report columns, so that it never reaches a neighbour.
constexpr int CentredSpill = ReportDefinitions::ColumnGap / 2;
// Space a wrapping centred text keeps from a picture beside it.
constexpr int PictureGap = 60;

// One visible object of a section with its grown size and its place after the
// growth of the texts above it.
struct Item {
  const ReportObject* object = nullptr;
  int top = 0;      // after shifting, relative to the section
  int height = 0;   // after growing
  QStringList lines;
  int pitch = 0;
  int fontSize = 0;
  bool grows = false;
  bool wrapGrows = false;  // grew only because its words wrapped (not a growing column)
  Role role = Role::Head;
};

struct Prepared {
  const ReportSection* section = nullptr;
  std::vector<Item> items;
  int height = 0;
  bool hasBand = false;
  int bandLines = 0;
  int bandPitch = 0;
  int bandFontSize = 0;
  int bandHeadLimit = 0;  // objects wholly above this repeat on every page
  int bandFitTop = 0;     // the lowest band start: what must fit the page
  int bandBottom = 0;     // bottom of the grown band
};

bool above(const Item& upper, const Item& lower) {
  const ReportObject& a = *upper.object;
  const ReportObject& b = *lower.object;
  return a.top() < b.top() && a.top() + a.height() <= b.top();
}

// The widest line a centred text can take and stay clear of a picture
// beside it in its section (a logo left or right of the company name).
int centredClearWidth(const TextObject& text, const ReportSection& section, int width) {
  const QRect box = text.geometry();
  const int centre = box.left() + box.width() / 2;
  for (int i = 1; i <= section.objectCount(); ++i) {
    const ReportObject* picture = section.object(i);
    if (picture->kind() != ReportObjectKind::Picture || picture->suppress()) continue;
    const QRect drawn = picture->geometry();
    if (drawn.top() >= box.top() + box.height() || drawn.top() + drawn.height() <= box.top()) continue;
    const int pictureRight = drawn.left() + drawn.width();
    if (pictureRight <= centre) width = std::min(width, 2 * (centre - pictureRight - PictureGap));
    else if (drawn.left() >= centre) width = std::min(width, 2 * (drawn.left() - PictureGap - centre));
  }
  return std::max(1, width);
}

QStringList wrappedLines(const TextObject& text, const ReportSection& section, const QStringList& lines) {
  int width = text.width() - text.leftIndent() - text.rightIndent();
  if (text.horAlignment() == HorAlignment::Centred) width = centredClearWidth(text, section, width);
  QStringList wrapped;
  for (const QString& line : lines) wrapped += wrapToWidth(line, width, text.font());
  return wrapped;
}

// A centred one-line text a little wider than its box (a bold heading in a
// narrow column) shows whole rather than cut at both ends.
QRect centredTextRoom(const TextObject& text, const QStringList& lines, const QRect& box) {
  // A growing text (a data column) that is too wide takes the blank room beside it instead.
  if (text.horAlignment() != HorAlignment::Centred || text.wordWrap() || text.canGrow() || lines.size() != 1)
    return box;
  const int needed = textWidthTwips(lines.first(), text.font()) + text.leftIndent() + text.rightIndent();
  const int spill = std::min(CentredSpill, (needed - box.width() + 1) / 2);
  return spill > 0 ? box.adjusted(-spill, 0, spill, 0) : box;
}

Item makeItem(const ReportObject& object, const ReportSection& section) {
  Item item;
  item.object = &object;
  item.top = object.top();
  item.height = object.height();
  if (object.kind() == ReportObjectKind::Text) {
    const auto& text = static_cast<const TextObject&>(object);
    item.lines = reportTextLines(text.text().value_or(QString()));
    item.fontSize = text.font().size;
    item.pitch = lineHeightTwips(item.fontSize);
    if (text.wordWrap()) item.lines = wrappedLines(text, section, item.lines);
    const int linesHeight = static_cast<int>(item.lines.size()) * item.pitch;
    item.grows = text.canGrow() || (text.wordWrap() && linesHeight > object.height());
    if (item.grows) item.height = std::max(object.height(), linesHeight);
    item.wrapGrows = item.grows && !text.canGrow();
  } else if (object.kind() == ReportObjectKind::Field) {
    item.pitch = lineHeightTwips(static_cast<const TextObject&>(object).font().size);
  }
  return item;
}

// Tier of a growing object: 1 + the highest tier of growing objects above it.
// The deepest tier is the band that breaks across pages.
void markBand(Prepared& prepared) {
  std::vector<int> tier(prepared.items.size(), 0);
  int deepest = 0;
  for (size_t i = 0; i < prepared.items.size(); ++i) {
    if (!prepared.items[i].grows) continue;
    tier[i] = 1;
    for (size_t j = 0; j < prepared.items.size(); ++j)
      if (prepared.items[j].grows && above(prepared.items[j], prepared.items[i])) tier[i] = std::max(tier[i], 1 + tier[j]);
    deepest = std::max(deepest, tier[i]);
  }
  if (deepest == 0) return;
  // Tiers of chained growers need a second pass when they were met out of order.
  for (size_t i = 0; i < prepared.items.size(); ++i)
    for (size_t j = 0; j < prepared.items.size(); ++j)
      if (prepared.items[i].grows && prepared.items[j].grows && above(prepared.items[j], prepared.items[i]))
        tier[i] = std::max(tier[i], 1 + tier[j]);
  deepest = *std::max_element(tier.begin(), tier.end());
  prepared.hasBand = true;
  for (size_t i = 0; i < prepared.items.size(); ++i)
    if (tier[i] == deepest) prepared.items[i].role = Role::Band;
}

bool sideBySide(const Item& one, const Item& other) {
  const ReportObject& a = *one.object;
  const ReportObject& b = *other.object;
  return a.left() + a.width() <= b.left() || b.left() + b.width() <= a.left();
}

// A text that wraps to more lines pushes down what stands under it; what
// stands beside it (the date block beside a long company name) keeps its place.
void shiftBelowGrowth(Prepared& prepared) {
  std::vector<size_t> order(prepared.items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return prepared.items[a].object->top() < prepared.items[b].object->top();
  });
  std::vector<int> shift(prepared.items.size(), 0);
  for (size_t i : order) {
    for (size_t j : order) {
      const Item& grower = prepared.items[j];
      if (!grower.grows || !above(grower, prepared.items[i])) continue;
      if (grower.wrapGrows && sideBySide(grower, prepared.items[i])) continue;
      shift[i] = std::max(shift[i], shift[j] + grower.height - grower.object->height());
    }
    prepared.items[i].top = prepared.items[i].object->top() + shift[i];
  }
}

bool extendsToBottom(const ReportObject& object) {
  if (object.kind() != ReportObjectKind::Line && object.kind() != ReportObjectKind::Box) return false;
  return static_cast<const StrokeObject&>(object).extendsToSectionBottom();
}

// A box drawn around a text that grew grows with it, so that the text stays
// inside its frame.
void growFramesWithTheirTexts(Prepared& prepared) {
  for (Item& frame : prepared.items) {
    if (frame.object->kind() != ReportObjectKind::Box || extendsToBottom(*frame.object)) continue;
    const QRect drawn = frame.object->geometry();
    for (const Item& grower : prepared.items) {
      if (!grower.grows || !drawn.contains(grower.object->geometry())) continue;
      const int grownBottom = grower.top + grower.height;
      const int ownBottom = grower.object->top() + grower.object->height();
      frame.height = std::max(frame.height, drawn.height() + grownBottom - ownBottom);
    }
  }
}

void classify(Prepared& prepared) {
  prepared.bandHeadLimit = INT_MAX;
  prepared.bandFitTop = 0;
  for (const Item& item : prepared.items) {
    if (item.role != Role::Band) continue;
    prepared.bandHeadLimit = std::min(prepared.bandHeadLimit, item.top);
    prepared.bandFitTop = std::max(prepared.bandFitTop, item.top);
    prepared.bandBottom = std::max(prepared.bandBottom, item.top + item.height);
    prepared.bandLines = std::max(prepared.bandLines, static_cast<int>(item.lines.size()));
    prepared.bandPitch = std::max(prepared.bandPitch, item.pitch);
    prepared.bandFontSize = std::max(prepared.bandFontSize, item.fontSize);
  }
  for (Item& item : prepared.items) {
    if (item.role == Role::Band) continue;
    const bool belowBand = std::any_of(prepared.items.begin(), prepared.items.end(), [&](const Item& band) {
      return band.role == Role::Band && above(band, item);
    });
    if (belowBand)
      item.role = Role::Tail;
    else if (item.top + item.height <= prepared.bandHeadLimit)
      item.role = Role::Head;
    else
      item.role = Role::Side;
  }
}

Prepared prepare(const ReportSection& section) {
  Prepared prepared;
  prepared.section = &section;
  for (int i = 1; i <= section.objectCount(); ++i) {
    const ReportObject* object = section.object(i);
    if (!object->suppress()) prepared.items.push_back(makeItem(*object, section));
  }
  markBand(prepared);
  shiftBelowGrowth(prepared);
  growFramesWithTheirTexts(prepared);
  int growth = 0;
  int bottom = section.height();
  for (const Item& item : prepared.items) {
    growth = std::max(growth, item.top - item.object->top() + item.height - item.object->height());
    bottom = std::max(bottom, item.top + item.height);
  }
  prepared.height = std::max(section.height() + growth, bottom);
  if (prepared.hasBand) classify(prepared);
  return prepared;
}

QString fieldText(FieldKind kind, int page, int pages, const QDateTime& moment) {
  const QLocale locale(QLocale::English, QLocale::UnitedStates);
  switch (kind) {
    case FieldKind::PrintDate: return locale.toString(moment.date(), QStringLiteral("M/d/yyyy"));
    case FieldKind::PrintTime: return locale.toString(moment.time(), QStringLiteral("h:mm:ss AP"));
    case FieldKind::PageNumber: return QString::number(page);
    case FieldKind::PageCount: return QString::number(pages);
    case FieldKind::PageNofM: return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
  }
  return {};
}

struct FieldSpot {
  int page;
  int index;
  FieldKind kind;
};

// Places prepared sections on pages.
class Flow {
 public:
  Flow(const ReportDesigner& designer, RenderedReport& out) : out_(out) {
    const QMargins margins = designer.margins();
    const QSize page = designer.pageSize();
    for (int i = 1; i <= designer.sectionCount(); ++i) {
      const ReportSection* section = designer.section(i);
      if (section->suppress()) continue;
      if (section->kind() == ReportSectionKind::PageHeader) headers_.push_back(prepare(*section));
      if (section->kind() == ReportSectionKind::PageFooter) footers_.push_back(prepare(*section));
    }
    bodyTop_ = margins.top();
    for (const Prepared& header : headers_) bodyTop_ += header.height;
    int footerHeight = 0;
    for (const Prepared& footer : footers_) footerHeight += footer.height;
    bodyBottom_ = page.height() - margins.bottom() - footerHeight;
    newPage();
  }

  void place(const Prepared& prepared) {
    const bool fits = y_ + prepared.height <= bodyBottom_;
    const int limit = prepared.hasBand ? prepared.section->lineLimit(prepared.bandFontSize) : 0;
    const bool overLimit = limit > 0 && prepared.bandLines > limit;
    if (fits && !overLimit) return placeWhole(prepared);
    const bool fitsFreshPage = bodyTop_ + prepared.height <= bodyBottom_;
    if (!prepared.hasBand || (prepared.section->keepTogether() && fitsFreshPage && !overLimit)) {
      if (y_ > bodyTop_) newPage();
      return placeWhole(prepared);
    }
    breakAcross(prepared, limit);
  }

  const std::vector<FieldSpot>& fields() const { return fields_; }

 private:
  void newPage() {
    out_.pages.append(RenderedPage());
    int top = bodyTop_;
    for (auto header = headers_.rbegin(); header != headers_.rend(); ++header) {
      top -= header->height;
      placeWholeAt(*header, top);
    }
    int footerTop = bodyBottom_;
    for (const Prepared& footer : footers_) {
      placeWholeAt(footer, footerTop);
      footerTop += footer.height;
    }
    y_ = bodyTop_;
  }

  void placeWhole(const Prepared& prepared) {
    placeWholeAt(prepared, y_);
    y_ += prepared.height;
  }

  void placeWholeAt(const Prepared& prepared, int top) {
    for (const Item& item : prepared.items) {
      int height = item.height;
      if (extendsToBottom(*item.object)) height = prepared.height - item.top;
      put(item, top + item.top, height, item.lines, 1, item.pitch);
    }
  }

  void breakAcross(const Prepared& prepared, int limit) {
    const int pitch = std::max(1, prepared.bandPitch);
    const int tailExtent = std::max(0, prepared.height - prepared.bandBottom);
    int next = 0;
    while (true) {
      const int available = bodyBottom_ - y_;
      int fit = (available - prepared.bandFitTop) / pitch;
      if (limit > 0) fit = std::min(fit, limit);
      const int remaining = prepared.bandLines - next;
      bool last = remaining <= fit && prepared.bandFitTop + remaining * pitch + tailExtent <= available;
      int lines = last ? remaining : std::min(fit, remaining);
      if (!last && lines == remaining) lines = remaining - 1;  // the tail needs a line beside it
      if (lines < 1) {
        if (y_ > bodyTop_) {
          newPage();
          continue;
        }
        lines = std::min(remaining, std::max(1, fit));
        last = lines == remaining;
      }
      const int used = placeFragment(prepared, next, lines, last, pitch, tailExtent);
      next += lines;
      if (last) {
        y_ += used;
        return;
      }
      newPage();
    }
  }

  // Draws lines [first, first + count) of the band with the objects that go
  // with them; returns the height used.
  int placeFragment(const Prepared& prepared, int first, int count, bool last, int pitch, int tailExtent) {
    int bandBottom = 0;
    for (const Item& item : prepared.items)
      if (item.role == Role::Band) bandBottom = std::max(bandBottom, item.top + count * pitch);
    const int bottom = bandBottom + (last ? tailExtent : 0);
    for (const Item& item : prepared.items) {
      switch (item.role) {
        case Role::Head:
          put(item, y_ + item.top, item.height, item.lines, 1, item.pitch);
          break;
        case Role::Band:
          put(item, y_ + item.top, count * pitch, item.lines.mid(first, count), first + 1, pitch);
          break;
        case Role::Side:
          if (extendsToBottom(*item.object))
            put(item, y_ + item.top, bottom - item.top, item.lines, 1, item.pitch);
          else if (first == 0)
            put(item, y_ + item.top, item.height, item.lines, 1, item.pitch);
          break;
        case Role::Tail:
          if (last) {
            const int top = bandBottom + item.top - prepared.bandBottom;
            const int height = extendsToBottom(*item.object) ? bottom - top : item.height;
            put(item, y_ + top, height, item.lines, 1, item.pitch);
          }
          break;
      }
    }
    return bottom;
  }

  void put(const Item& item, int top, int height, const QStringList& lines, int firstLine, int pitch) {
    RenderedPage& page = out_.pages.last();
    const ReportObject& object = *item.object;
    const QRect rect(object.left(), top, object.width(), std::max(0, height));
    switch (object.kind()) {
      case ReportObjectKind::Text:
      case ReportObjectKind::Field: {
        const auto& text = static_cast<const TextObject&>(object);
        const QRect room = object.kind() == ReportObjectKind::Text ? centredTextRoom(text, lines, rect) : rect;
        RenderedText shown{object.name(), room, lines, firstLine, pitch, text.font(),
                           text.horAlignment().value_or(0), text.leftIndent(), text.rightIndent(), text.edges()};
        shown.keepsLineStart = object.kind() == ReportObjectKind::Text && text.canGrow();
        if (object.kind() == ReportObjectKind::Field)
          fields_.push_back({static_cast<int>(out_.pages.size()) - 1, static_cast<int>(page.texts.size()),
                             static_cast<const FieldObject&>(object).field()});
        page.texts.append(shown);
        break;
      }
      case ReportObjectKind::Line: {
        const auto& line = static_cast<const LineObject&>(object);
        const QPoint start(rect.left(), rect.top());
        const QPoint end(rect.left() + rect.width(), rect.top() + rect.height());
        page.rules.append({QLine(start, end), line.penWidth(), line.style()});
        break;
      }
      case ReportObjectKind::Box: {
        const auto& box = static_cast<const BoxObject&>(object);
        page.boxes.append({rect, box.penWidth(), box.style()});
        break;
      }
      case ReportObjectKind::Picture:
        page.pictures.append({object.name(), rect, static_cast<const PictureObject&>(object).image()});
        break;
    }
  }

  RenderedReport& out_;
  std::vector<Prepared> headers_;
  std::vector<Prepared> footers_;
  std::vector<FieldSpot> fields_;
  int bodyTop_ = 0;
  int bodyBottom_ = 0;
  int y_ = 0;
};

bool flowsAt(ReportSectionKind kind, ReportSectionKind stage) { return kind == stage; }

bool showsText(const RenderedText& text) {
  return std::any_of(text.lines.begin(), text.lines.end(),
                     [](const QString& line) { return !line.trimmed().isEmpty(); });
}

bool overlapsHeights(const QRect& a, int top, int bottom) { return a.top() < bottom && top < a.top() + a.height(); }

// The blank room right of each growing text: up to the nearest text level
// with it that shows anything, or vertical rule, or else the right margin. A
// free column holds a blank and printing hides it, so either way it is room.
void markSpillRoom(RenderedPage& page, int contentRight) {
  for (RenderedText& text : page.texts) {
    if (!text.keepsLineStart) continue;
    const int right = text.rect.left() + text.rect.width();
    const int top = text.rect.top();
    const int bottom = top + text.rect.height();
    int limit = contentRight;
    for (const RenderedText& other : page.texts)
      if (&other != &text && other.rect.left() >= right && overlapsHeights(other.rect, top, bottom) &&
          showsText(other))
        limit = std::min(limit, other.rect.left());
    for (const RenderedRule& rule : page.rules) {
      const QLine& line = rule.line;
      const bool vertical = line.x1() == line.x2();
      const bool beside = std::min(line.y1(), line.y2()) < bottom && std::max(line.y1(), line.y2()) > top;
      if (vertical && beside && line.x1() >= right) limit = std::min(limit, line.x1());
    }
    text.spillRight = std::max(0, limit - right);
  }
}

}  // namespace

RenderedReport ReportLayout::layout(const ReportDesigner& designer, const ReportLayoutOptions& options) {
  RenderedReport out;
  out.pageSize = designer.pageSize();
  out.orientation = designer.paperOrientation();
  Flow flow(designer, out);
  for (ReportSectionKind stage :
       {ReportSectionKind::ReportHeader, ReportSectionKind::Details, ReportSectionKind::ReportFooter}) {
    for (int i = 1; i <= designer.sectionCount(); ++i) {
      const ReportSection* section = designer.section(i);
      if (!section->suppress() && flowsAt(section->kind(), stage)) flow.place(prepare(*section));
    }
  }
  for (const FieldSpot& spot : flow.fields())
    out.pages[spot.page].texts[spot.index].lines =
        QStringList{fieldText(spot.kind, spot.page + 1, out.pageCount(), options.printMoment)};
  const int contentRight = designer.pageSize().width() - designer.margins().right();
  for (RenderedPage& page : out.pages) markSpillRoom(page, contentRight);
  return out;
}

}  // namespace platform
