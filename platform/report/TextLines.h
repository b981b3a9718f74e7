#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The lines of a report text: a carriage return ends a line (a CR LF pair or
// a lone LF too); a final line break adds no empty line; "" has no lines.
QStringList reportTextLines(const QString& text);

// Line pitch of report text: 1.2 times the point size, in twips.
inline int lineHeightTwips(int fontSize) { return fontSize * 24; }

}  // namespace platform
