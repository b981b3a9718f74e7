#pragma once

#include <QString>
#include <QStringList>

#include "platform/report/TextObject.h"

namespace platform {

// The width a line of report text takes, in twips, from the advance widths of
// the report font (Arial and the fonts metric-compatible with it), so that it
// is the same wherever the report is laid out, with or without a display.
// Characters the table does not hold count as wide as a digit.
int textWidthTwips(const QString& line, const ReportFont& font);

// One line broken into lines of at most width twips: at spaces where it can,
// inside a word that is wider than the room alone. A width that holds not even
// one character still gives one character a line.
QStringList wrapToWidth(const QString& line, int width, const ReportFont& font);

}  // namespace platform
