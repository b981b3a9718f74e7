#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QProcess>
#include <QString>
#include <memory>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportNames.h"

namespace reporttest {

// The value pdfinfo gives for a key of a PDF ("Pages:", "Page size:").
inline QString pdfInfo(const QString& pdf, const QByteArray& key) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {pdf});
  process.waitForFinished(60000);
  for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
    if (line.startsWith(key)) return QString::fromUtf8(line.mid(key.size())).trimmed();
  return {};
}

inline constexpr char CR = '\r';

// Lines a..b (inclusive) of numbers, each followed by a carriage return.
inline QString numberLines(int from, int to) {
  QString text;
  for (int i = from; i <= to; ++i) text += QString::number(i) + QLatin1Char(CR);
  return text;
}

inline platform::ReportLayoutOptions fixedMoment() {
  platform::ReportLayoutOptions options;
  options.printMoment = QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9));
  return options;
}

inline int rowsPerBlock(int size) { return size == 9 ? 50 : size == 10 ? 45 : size == 11 ? 40 : 35; }
inline int mirrorOffset(int size) { return size == 9 ? 7 : size == 12 ? 5 : 6; }

// The load-frame page variant: portrait, portrait frame objects, no test
// header section, body text at the given size.
inline void makeLoadFramePage(platform::ReportDesigner& report, int size) {
  using namespace platform;
  report.setPaperOrientation(PaperOrientation::Portrait);
  for (int i = 1; i <= 2; ++i) {
    report.member(ReportNames::landscapeLine(i)).setSuppress(true);
    report.member(ReportNames::landscapeBox(i)).setSuppress(true);
    report.member(ReportNames::portraitLine(i)).setSuppress(false);
    report.member(ReportNames::portraitBox(i)).setSuppress(false);
  }
  report.section(QStringLiteral("Section2"))->setSuppress(true);
  ReportSection* body = report.section(QStringLiteral("Section3"));
  for (int i = 1; i <= body->objectCount(); ++i)
    if (body->object(i)->name().left(3).toUpper() == QLatin1String("COL")) body->object(i)->setFontSize(size);
}

// Fills the read-number column and four channel columns the way the load
// frame does: records split between a column and its mirror column in runs
// of rows, left first.
inline void fillLoadFrame(platform::ReportDesigner& report, int readings, int size) {
  using namespace platform;
  const int rows = rowsPerBlock(size);
  const int offset = mirrorOffset(size);
  const char* headers[] = {"RD#", "Time", "CH1", "CH2", "CH3"};
  for (int c = 0; c < 5; ++c) {
    QString left, mirror;
    for (int i = 1; i <= readings; ++i) {
      const bool inLeft = readings <= rows || (i - 1) / rows % 2 == 0;
      const QString value = c == 0 ? QString::number(i) : QStringLiteral("%1.%2").arg(c * 100 + i % 97).arg(i % 10);
      (inLeft ? left : mirror) += value + QLatin1Char(CR);
    }
    report.member(ReportNames::columnHeader(c + 1)).SetText(QString::fromLatin1(headers[c]));
    report.member(ReportNames::columnData(c + 1)).SetText(left);
    if (readings > rows) {
      report.member(ReportNames::columnHeader(c + 1 + offset)).SetText(QString::fromLatin1(headers[c]));
      report.member(ReportNames::columnData(c + 1 + offset)).SetText(mirror);
    }
  }
}

// The load-frame report with 180 numbered lines in its first column: four
// pages at size 9.
inline std::unique_ptr<platform::ReportDesigner> fourPageReport() {
  auto report = platform::ReportDefinitions::createReport();
  makeLoadFramePage(*report, 9);
  report->member(platform::ReportNames::columnData(1)).SetText(numberLines(1, 180));
  return report;
}

}  // namespace reporttest
