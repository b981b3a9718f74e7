#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace instrument {

// The text of a project file as it is built, line by line: items written one
// after the other, column stops, lines ended by CR LF. Columns count from 1 at
// the start of each line. Text is stored in the single-byte code page of the
// files (characters outside it become "?").
class ProjectText {
 public:
  // A text item, written exactly.
  void text(QStringView item);
  // A number item: a blank (or "-" when negative), the digits, a blank.
  void number(qint64 value);
  // Column stop: blanks up to the column. When the line is already past it (a
  // value wider than its field) one blank is written instead of breaking the
  // line, so the row still reads back as one line.
  void tab(int column);
  // A column stop that also keeps the next value apart from the one before:
  // at least one blank stands between them, even when the one before ended
  // exactly at the column.
  void tabApart(int column);
  void endLine();

  // The column the next character would be written in.
  int column() const { return static_cast<int>(bytes_.size() - lineStart_) + 1; }
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  qsizetype lineStart_ = 0;
};

}  // namespace instrument
