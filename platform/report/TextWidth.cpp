#include "platform/report/TextWidth.h"

#include <array>

namespace platform {
namespace {

constexpr int TwipsPerPoint = 20;
constexpr int EmUnits = 1000;
constexpr char16_t FirstCharacter = u' ';
constexpr char16_t LastCharacter = u'~';

// Advance widths in thousandths of an em of the printable ASCII characters,
// space to tilde.
constexpr std::array<int, 95> RegularWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0-9 :;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @A-O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P-Z [\]^_
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // `a-o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p-z {|}~
constexpr std::array<int, 95> BoldWidths = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // 0-9 :;<=>?
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // @A-O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // P-Z [\]^_
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // `a-o
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};      // p-z {|}~
constexpr int DigitIndex = u'0' - FirstCharacter;

int advance(QChar c, bool bold) {
  const std::array<int, 95>& widths = bold ? BoldWidths : RegularWidths;
  const char16_t code = c.unicode();
  if (code < FirstCharacter || code > LastCharacter) return widths[DigitIndex];
  return widths[code - FirstCharacter];
}

// The longest start of word (at least one character) that fits width.
qsizetype fittingPrefix(const QString& word, int width, const ReportFont& font) {
  qsizetype count = 1;
  while (count < word.size() && textWidthTwips(word.left(count + 1), font) <= width) ++count;
  return count;
}

}  // namespace

int textWidthTwips(const QString& line, const ReportFont& font) {
  long long units = 0;
  for (QChar c : line) units += advance(c, font.bold);
  const long long perEm = static_cast<long long>(font.size) * TwipsPerPoint;
  return static_cast<int>((units * perEm + EmUnits - 1) / EmUnits);
}

QStringList wrapToWidth(const QString& line, int width, const ReportFont& font) {
  if (textWidthTwips(line, font) <= width) return {line};
  QStringList lines;
  QString current;
  for (QString word : line.split(QLatin1Char(' '))) {
    const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
    if (textWidthTwips(joined, font) <= width) {
      current = joined;
      continue;
    }
    if (!current.isEmpty()) lines.append(current);
    while (textWidthTwips(word, font) > width) {
      const qsizetype cut = fittingPrefix(word, width, font);
      lines.append(word.left(cut));
      word = word.mid(cut);
    }
    current = word;
  }
  if (!current.isEmpty() || lines.isEmpty()) lines.append(current);
  return lines;
}

}  // namespace platform
