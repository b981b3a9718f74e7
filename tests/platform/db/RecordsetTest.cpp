#include "platform/db/Recordset.h"

#include <gtest/gtest.h>

#include "platform/db/Database.h"
#include "support/TempProgramFolder.h"

namespace platform::db {
namespace {

class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db.open(folder.path(QStringLiteral("info/work.qvd"))));
    TableDef t(QStringLiteral("Rows"));
    t.append({QStringLiteral("KEY"), FieldType::Long});
    t.append({QStringLiteral("SHORT"), FieldType::Text, 10});
    t.append({QStringLiteral("SINGLE"), FieldType::Single});
    t.append({QStringLiteral("DOUBLE"), FieldType::Double});
    t.append({QStringLiteral("LONG"), FieldType::Long});
    t.setPrimaryIndex(QStringLiteral("KEYIDX"), QStringLiteral("KEY"));
    ASSERT_TRUE(db.createTable(t));
    ASSERT_TRUE(rs.openTable(db, QStringLiteral("rows")));
  }

  bool add(int key, const QVariant& text = {}) {
    return rs.addNew() && rs.setValue(u"KEY", key) && rs.setValue(u"SHORT", text) && rs.update();
  }

  testsupport::TempProgramFolder folder;
  Database db;
  Recordset rs;
};

TEST_F(RecordsetTest, RowsComeBackInKeyOrderWithNulls) {
  ASSERT_TRUE(add(3, QStringLiteral("c")));
  ASSERT_TRUE(add(1));
  ASSERT_TRUE(add(2, QStringLiteral("b")));
  EXPECT_EQ(rs.recordCount(), 3);
  ASSERT_TRUE(rs.moveFirst());
  EXPECT_EQ(rs.value(u"key").toInt(), 1);
  EXPECT_TRUE(rs.isNull(u"SHORT"));
  EXPECT_TRUE(rs.value(u"SHORT").isNull());
  ASSERT_TRUE(rs.moveNext());
  EXPECT_EQ(rs.value(u"SHORT").toString(), QStringLiteral("b"));
  ASSERT_TRUE(rs.moveLast());
  EXPECT_EQ(rs.value(u"KEY").toInt(), 3);
  ASSERT_TRUE(rs.moveNext());
  EXPECT_TRUE(rs.eof());
  EXPECT_FALSE(rs.moveNext());
  EXPECT_TRUE(rs.value(u"KEY").isNull());
  ASSERT_TRUE(rs.moveFirst());
  ASSERT_TRUE(rs.movePrevious());
  EXPECT_TRUE(rs.bof());
  EXPECT_TRUE(rs.value(u"NOSUCHFIELD").isNull());
}

TEST_F(RecordsetTest, RefusesWhatTheEngineWouldRefuse) {
  ASSERT_TRUE(rs.addNew());
  EXPECT_FALSE(rs.setValue(u"SHORT", QStringLiteral("eleven char")));
  EXPECT_TRUE(rs.setValue(u"SHORT", QStringLiteral("ten chars!")));
  EXPECT_FALSE(rs.setValue(u"LONG", 2147483648.0));
  EXPECT_FALSE(rs.setValue(u"LONG", QStringLiteral("12abc")));
  EXPECT_FALSE(rs.setValue(u"LONG", QString()));
  EXPECT_FALSE(rs.setValue(u"SINGLE", 1e39));
  EXPECT_FALSE(rs.setValue(u"DOUBLE", QStringLiteral("nan")));
  EXPECT_FALSE(rs.setValue(u"MISSING", 1));
  EXPECT_FALSE(rs.update()) << "Null key";
  ASSERT_TRUE(rs.setValue(u"KEY", 7));
  ASSERT_TRUE(rs.update());
  EXPECT_FALSE(add(7)) << "duplicate key";
  EXPECT_FALSE(rs.lastError().isEmpty());
  rs.cancelUpdate();
  EXPECT_EQ(rs.recordCount(), 1);
  EXPECT_FALSE(rs.setValue(u"KEY", 1)) << "no addNew or edit pending";
}

TEST_F(RecordsetTest, ConvertsNumbersAsTheFieldTypeSays) {
  ASSERT_TRUE(rs.addNew());
  ASSERT_TRUE(rs.setValue(u"KEY", QStringLiteral(" 40000 ")));
  ASSERT_TRUE(rs.setValue(u"LONG", 2.5));
  ASSERT_TRUE(rs.setValue(u"SINGLE", 12345.6));
  ASSERT_TRUE(rs.setValue(u"DOUBLE", QStringLiteral("1.2346")));
  ASSERT_TRUE(rs.setValue(u"SHORT", 1.5));
  ASSERT_TRUE(rs.update());
  ASSERT_TRUE(rs.moveFirst());
  EXPECT_EQ(rs.value(u"KEY").toInt(), 40000);
  EXPECT_EQ(rs.value(u"LONG").toInt(), 2);  // halves to even
  EXPECT_EQ(rs.value(u"SINGLE").toDouble(), 12345.6);
  EXPECT_EQ(rs.value(u"DOUBLE").toDouble(), 1.2346);
  EXPECT_EQ(rs.value(u"SHORT").toString(), QStringLiteral("1.5"));
}

TEST_F(RecordsetTest, EditChangesTheCurrentRow) {
  ASSERT_TRUE(add(1, QStringLiteral("a")));
  ASSERT_TRUE(add(2, QStringLiteral("b")));
  ASSERT_TRUE(rs.moveFirst());
  ASSERT_TRUE(rs.moveNext());
  ASSERT_TRUE(rs.edit());
  ASSERT_TRUE(rs.setValue(u"SHORT", QStringLiteral("changed")));
  EXPECT_EQ(rs.value(u"SHORT").toString(), QStringLiteral("changed"));
  ASSERT_TRUE(rs.update());
  EXPECT_EQ(rs.value(u"SHORT").toString(), QStringLiteral("changed"));
  ASSERT_TRUE(rs.moveFirst());
  ASSERT_TRUE(rs.edit());
  ASSERT_TRUE(rs.setValue(u"KEY", 2));
  EXPECT_FALSE(rs.update()) << "would duplicate the key";
  rs.cancelUpdate();
  Recordset other;
  ASSERT_TRUE(other.openTable(db, QStringLiteral("Rows"), QStringLiteral("\"SHORT\" = ?"), {QStringLiteral("CHANGED")}));
  EXPECT_EQ(other.recordCount(), 1);
}

TEST_F(RecordsetTest, QueryRecordsetsAreReadOnly) {
  ASSERT_TRUE(add(1, QStringLiteral("a")));
  Recordset query;
  ASSERT_TRUE(query.openQuery(db, QStringLiteral("SELECT \"KEY\", \"SHORT\" FROM \"Rows\" WHERE \"KEY\" = ?"), {1}));
  EXPECT_EQ(query.recordCount(), 1);
  EXPECT_EQ(query.value(u"short").toString(), QStringLiteral("a"));
  EXPECT_EQ(query.fields().size(), 2);
  EXPECT_FALSE(query.isUpdatable());
  EXPECT_FALSE(query.addNew());
  EXPECT_FALSE(query.openQuery(db, QStringLiteral("SELECT * FROM nowhere")));
  EXPECT_FALSE(query.isOpen());
}

TEST_F(RecordsetTest, AClosedConnectionFailsEveryCall) {
  ASSERT_TRUE(add(1));
  db.close();
  EXPECT_FALSE(rs.isOpen());
  EXPECT_FALSE(rs.addNew());
  EXPECT_FALSE(rs.moveFirst());
  EXPECT_EQ(rs.recordCount(), 0);
  EXPECT_FALSE(rs.update());
  EXPECT_FALSE(rs.openTable(db, QStringLiteral("Rows")));
}

}  // namespace
}  // namespace platform::db
