#include "mainwindow/grids/RecordGridModel.h"

#include <gtest/gtest.h>

#include "instrument/RecordLayouts.h"
#include "platform/db/Database.h"
#include "support/TempProgramFolder.h"

namespace mainwindow {
namespace {

class RecordGridModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db.open(folder.path(QStringLiteral("info/grid.qvd"))));
    ASSERT_TRUE(db.createTable(instrument::Compaction_Record_B(table)));
  }
  void addReading(int rdnum, const char* sa) {
    ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO \"%1\" (RDNUM, SA, DD) VALUES (?, ?, ?)").arg(table),
                        {rdnum, QString::fromLatin1(sa), rdnum * 1.5}));
  }
  QList<int> readingNumbers() const {
    QList<int> numbers;
    for (int row = 0; row < model.recordCount(); ++row) numbers << model.value(row, u"RDNUM").toInt();
    return numbers;
  }

  testsupport::TempProgramFolder folder;
  platform::db::Database db;
  const QString table = QStringLiteral("P1'2 x");  // quotes and blanks stay inside the identifier
  RecordGridModel model;
};

TEST_F(RecordGridModelTest, ReadsInKeyOrderWithBoundValues) {
  for (int rdnum : {3, 0, 1, 2}) addReading(rdnum, rdnum == 2 ? "A" : "S");
  ASSERT_TRUE(model.open(db, table, QStringLiteral("\"SA\" = ? AND \"RDNUM\" > 0"), {QStringLiteral("S")}));
  EXPECT_EQ(readingNumbers(), (QList<int>{1, 3}));
  EXPECT_EQ(model.columnCount(), 29);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
  EXPECT_EQ(model.keyField(), QStringLiteral("RDNUM"));
  EXPECT_EQ(model.tableName(), table);

  // A sample letter that tries to break out of its quotes is only a value.
  ASSERT_TRUE(model.open(db, table, QStringLiteral("\"SA\" = ?"), {QStringLiteral("S' OR '1'='1")}));
  EXPECT_EQ(model.recordCount(), 0);
  EXPECT_EQ(model.columnCount(), 29);
}

TEST_F(RecordGridModelTest, CountsMoreThan32767Readings) {
  ASSERT_TRUE(db.beginTransaction());
  for (int rdnum = 1; rdnum <= 40000; ++rdnum) addReading(rdnum, "S");
  ASSERT_TRUE(db.commit());
  ASSERT_TRUE(model.open(db, table));
  EXPECT_EQ(model.recordCount(), 40000);
  EXPECT_EQ(model.rowCount(), 40000);
  EXPECT_EQ(model.value(39999, u"RDNUM").toInt(), 40000);
  // Rows are read a page at a time; the pages meet without a gap.
  const int page = RecordGridModel::PageRows;
  EXPECT_EQ(model.value(page - 1, u"RDNUM").toInt(), page);
  EXPECT_EQ(model.value(page, u"RDNUM").toInt(), page + 1);
  EXPECT_EQ(model.data(model.index(page, model.fieldIndex(u"DD"))).toString(), QStringLiteral("1501.5"));
  const auto columns = model.columns({QStringLiteral("RDNUM"), QStringLiteral("SA")});
  ASSERT_TRUE(columns);
  ASSERT_EQ(columns->at(0).size(), 40000);
  EXPECT_EQ(columns->at(0).last().toInt(), 40000);
  EXPECT_EQ(columns->at(1).first().toString(), QStringLiteral("S"));
  EXPECT_FALSE(model.columns({QStringLiteral("NOPE")}));
}

TEST_F(RecordGridModelTest, MissingTableLeavesAnEmptyClosedModel) {
  addReading(1, "S");
  ASSERT_TRUE(model.open(db, table));
  EXPECT_FALSE(model.open(db, QStringLiteral("NOPE")));
  EXPECT_FALSE(model.isOpen());
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.columnCount(), 0);
  EXPECT_FALSE(model.lastError().isEmpty());
}

TEST_F(RecordGridModelTest, RequeryOfTheSameShapeKeepsCellsInPlace) {
  addReading(0, "S");
  ASSERT_TRUE(model.open(db, table, QStringLiteral("\"RDNUM\" = 0")));
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE \"%1\" SET MAXD = 125").arg(table)));
  int resets = 0;
  int changes = 0;
  QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
  QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changes; });
  ASSERT_TRUE(model.requery());
  EXPECT_EQ(resets, 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(model.value(0, u"MAXD").toDouble(), 125.0);

  addReading(5, "S");
  ASSERT_TRUE(model.open(db, table));
  addReading(6, "S");
  ASSERT_TRUE(model.requery());
  EXPECT_EQ(readingNumbers(), (QList<int>{0, 5, 6}));
}

TEST_F(RecordGridModelTest, OnlyMarkedColumnsTakeEditsAndTheyGoToTheHandler) {
  addReading(0, "S");
  ASSERT_TRUE(model.open(db, table));
  const int maxd = model.fieldIndex(u"maxd");
  model.setColumnEditable(maxd, true);
  EXPECT_TRUE(model.flags(model.index(0, maxd)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
  QVariant received;
  model.setEditHandler([&](int, int column, const QVariant& value) {
    received = value;
    return column == maxd;
  });
  EXPECT_TRUE(model.setData(model.index(0, maxd), 125.5));
  EXPECT_EQ(received.toDouble(), 125.5);
  EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("x")));
}

TEST(RecordGridModelTextTest, NumbersShowWithoutNoise) {
  EXPECT_EQ(RecordGridModel::displayText(90.0), QStringLiteral("90"));
  EXPECT_EQ(RecordGridModel::displayText(118.75), QStringLiteral("118.75"));
  EXPECT_EQ(RecordGridModel::displayText(0.0001), QStringLiteral("0.0001"));
  EXPECT_EQ(RecordGridModel::displayText(-3), QStringLiteral("-3"));
  EXPECT_EQ(RecordGridModel::displayText(QVariant()), QString());
  EXPECT_EQ(RecordGridModel::displayText(QStringLiteral("NONE")), QStringLiteral("NONE"));

  // A single-precision value widened to double shows its own shortest text.
  using platform::db::FieldType;
  EXPECT_EQ(RecordGridModel::displayText(static_cast<double>(108.08F), FieldType::Single), QStringLiteral("108.08"));
  EXPECT_EQ(RecordGridModel::displayText(static_cast<double>(0.1F), FieldType::Single), QStringLiteral("0.1"));
  EXPECT_EQ(RecordGridModel::displayText(96.0, FieldType::Single), QStringLiteral("96"));
  EXPECT_EQ(RecordGridModel::displayText(QVariant(), FieldType::Single), QString());
  EXPECT_EQ(RecordGridModel::displayText(0.1, FieldType::Double), QStringLiteral("0.1"));
}

}  // namespace
}  // namespace mainwindow
