#include "platform/report/ReportRtfWriter.h"

#include <QBuffer>
#include <algorithm>

#include "platform/core/WholeFile.h"

namespace platform {

namespace {

QByteArray number(int value) { return QByteArray::number(value); }

QByteArray alignment(int code) {
  if (code == HorAlignment::Centred) return "\\qc";
  if (code == HorAlignment::Right) return "\\qr";
  return "\\ql";
}

QByteArray frame(const QRect& rect) {
  return "{\\pard\\plain\\pvpg\\phpg\\posx" + number(rect.left()) + "\\posy" + number(rect.top()) + "\\absw" +
         number(rect.width()) + "\\absh-" + number(std::max(1, rect.height()));
}

bool hasInk(const RenderedText& text) {
  for (const QString& line : text.lines)
    if (!line.trimmed().isEmpty()) return true;
  return false;
}

QByteArray textFrame(const RenderedText& text) {
  QByteArray out = frame(text.rect) + alignment(text.alignment) + "\\li" + number(text.leftIndent) + "\\ri" +
                   number(text.rightIndent) + "\\sl-" + number(text.linePitch) + "\\slmult0\\f0\\fs" +
                   number(text.font.size * 2);
  if (text.font.bold) out += "\\b";
  if (text.font.italic) out += "\\i";
  out += ' ';
  for (int i = 0; i < text.lines.size(); ++i) {
    if (i > 0) out += "\\line ";
    out += ReportRtfWriter::escape(text.lines.at(i));
  }
  return out + "\\par}\n";
}

QByteArray pictureFrame(const RenderedPicture& picture) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.image.save(&buffer, "PNG")) return {};
  return frame(picture.rect) + "{\\pict\\pngblip\\picw" + number(picture.image.width()) + "\\pich" +
         number(picture.image.height()) + "\\picwgoal" + number(picture.rect.width()) + "\\pichgoal" +
         number(picture.rect.height()) + "\n" + png.toHex() + "}\\par}\n";
}

}  // namespace

QByteArray ReportRtfWriter::escape(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (unit == u'\t') {
      out += "\\tab ";
    } else if (unit < 0x20) {
      continue;
    } else if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u" + number(static_cast<qint16>(unit)) + '?';
    }
  }
  return out;
}

QByteArray ReportRtfWriter::toRtf(const RenderedReport& report, int firstPage, int lastPage) {
  const bool landscape = report.orientation == PaperOrientation::Landscape;
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Arial;}}\n";
  out += "\\paperw" + number(report.pageSize.width()) + "\\paperh" + number(report.pageSize.height()) +
         "\\margl0\\margr0\\margt0\\margb0" + (landscape ? "\\landscape" : "") + "\n";
  // Pages outside the report are left out rather than read.
  const int first = std::max(1, firstPage);
  const int last = std::min(lastPage, report.pageCount());
  for (int page = first; page <= last; ++page) {
    // The break stands in a plain paragraph of its own; left open, it would
    // become part of the next page's first frame.
    if (page > first) out += "\\pard\\plain\\page\\par\n";
    const RenderedPage& shown = report.pages[page - 1];
    for (const RenderedPicture& picture : shown.pictures) out += pictureFrame(picture);
    for (const RenderedText& text : shown.texts)
      if (hasInk(text) && text.rect.width() > 0) out += textFrame(text);
  }
  return out + "}\n";
}

ReportStatus ReportRtfWriter::write(const RenderedReport& report, const QString& fileName, int firstPage,
                                    int lastPage) {
  if (firstPage < 1 || lastPage > report.pageCount() || firstPage > lastPage) return ReportStatus::NoPages;
  return writeWholeFile(fileName, toRtf(report, firstPage, lastPage)) ? ReportStatus::Ok : ReportStatus::FileError;
}

}  // namespace platform
