#include "instrument/ProjectText.h"

namespace instrument {

void ProjectText::text(QStringView item) { bytes_ += item.toLatin1(); }

void ProjectText::number(qint64 value) {
  bytes_ += value < 0 ? '-' : ' ';
  bytes_ += QByteArray::number(value < 0 ? -value : value);
  bytes_ += ' ';
}

void ProjectText::tab(int column) {
  const int next = this->column();
  if (next < column)
    bytes_.append(column - next, ' ');
  else if (next > column)
    bytes_ += ' ';
}

void ProjectText::tabApart(int column) {
  tab(column);
  if (bytes_.size() > lineStart_ && bytes_.back() != ' ') bytes_ += ' ';
}

void ProjectText::endLine() {
  bytes_ += "\r\n";
  lineStart_ = bytes_.size();
}

}  // namespace instrument
