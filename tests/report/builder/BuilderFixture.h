#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>
#include <gtest/gtest.h>

#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ReportBuilderContext.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace report::testing {

// A working database made by the parsers from a printout, the two designers
// and the report state, as the report page hands them to the builder.
class BuilderFixture : public ::testing::Test {
 protected:
  // Feeds the printout as the serial feeder would and returns the tables it
  // made, each followed by a blank.
  QString load(int model, const QByteArray& printout) {
    db.close();
    instrument::Parse parse;
    EXPECT_EQ(parse.Initit(), instrument::status::Ok);
    const auto member = instrument::Parse::memberForModel(model);
    for (const char byte : printout) {
      const auto code = static_cast<unsigned char>(byte);
      if ((code < 32 || code > 90) && code != 13) continue;
      const QChar c(code);
      (parse.*member)(QStringView(&c, 1));
    }
    parse.DeInit();
    EXPECT_TRUE(db.open(platform::ProgramFolder::path(platform::ProgramFiles::Database)));
    return parse.retrn_message();
  }
  QString loadFile(int model, const QString& file) { return load(model, testsupport::readData(file)); }

  ReportBuilderContext context() { return {designers, db, flags, info, constants}; }

  QString text(const QString& object) const {
    return designers.Report->member(object).text().value_or(QStringLiteral("<missing>"));
  }
  QString stiffyText(const QString& object) const {
    return designers.StiffyReport->member(object).text().value_or(QStringLiteral("<missing>"));
  }
  QString header(int k) const { return text(platform::ReportNames::columnHeader(k)); }
  QString data(int k) const { return text(platform::ReportNames::columnData(k)); }
  bool hidden(const QString& object) const { return designers.Report->member(object).suppress().value_or(false); }

  testsupport::TempProgramFolder folder;
  platform::db::Database db;
  ReportDesigners designers;
  ReportFlags flags;
  CompanyInfo info;
  StiffnessConstants constants;
};

// A load-frame printout of one test with readings 1 to count.
inline QByteArray loadFramePrintout(int count) {
  QByteArray text = "CBR/LBR TEST\r\nRD #, TIME, (LOAD), (), (), ()\r\n";
  for (int i = 1; i <= count; ++i)
    text += QStringLiteral("%1, 00:%2:%3, %4, 2, 3, 4\r\n")
                .arg(i)
                .arg(i / 60, 2, 10, QLatin1Char('0'))
                .arg(i % 60, 2, 10, QLatin1Char('0'))
                .arg(i * 0.5)
                .toLatin1();
  return text + "END\r\n";
}

// The values of a column text, one per line.
inline QStringList lines(const QString& column) {
  QStringList values = column.split(QLatin1Char('\r'));
  if (!values.isEmpty() && values.last().isEmpty()) values.removeLast();
  return values;
}

// "first".."last" as the column shows whole numbers.
inline QStringList numbers(int first, int last) {
  QStringList values;
  for (int i = first; i <= last; ++i) values << QString::number(i);
  return values;
}

}  // namespace report::testing

// Readable test failures for texts.
inline void PrintTo(const QString& value, std::ostream* os) { *os << '"' << value.toStdString() << '"'; }
