#include "instrument/RecordLayouts.h"

#include <gtest/gtest.h>

#include "instrument/CreateDatabase.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "support/TempProgramFolder.h"

namespace instrument {
namespace {

using platform::db::FieldType;

struct Layout {
  int device_type;
  const char* fields;  // name:type[size] in order; L Long, S Single, D Double, T Text
  const char* indexName;
  const char* keyField;
};

const Layout Layouts[] = {
    {0, "READNUMBER:L TIME:T255 CH1:D CH2:D CH3:D CH4:D CH1NAME:T255 CH2NAME:T255 CH3NAME:T255 CH4NAME:T255",
     "READNUMBER", "READNUMBER"},
    {1,
     "ID:T255 RDNUM:L SERNUM:L CDATE:T255 RDATE:T255 STAT:S OFFSET:S DPT:T255 SA:T255 KVAL:S PADJ:S DSTD:S MSTD:S "
     "DCNT:S MCNT:S SPG:S PAV:S MAXD:S WETD:S DRYD:S WAT:S PWAT:S PAC:S DENS:S PCOMP:S",
     "RD_NUM", "RDNUM"},
    {2,
     "ID:T255 SERNUM:L CDATE:T255 DATE:T10 DSTD:S MSTD:S KVAL:S SPG:S MAXD:S LOWD:S RDNUM:L TIME:T10 STAT1TO:T255 "
     "STAT1:T255 OFFSET:T10 STAT2:T255 LANE:T10 DPT:T255 SA:T255 ADJ:S DC:S MC:S AV:S WD:S DD:S M:S PERCM:S "
     "PERC_COMP:S VR:T255",
     "RD_NUM", "RDNUM"},
    {4,
     "RUN_NUMBER:L MEASURE:S CALFACTOR:S DATE:T255 TIME:T255 BIN_NUMBER:L FREQUENCY:L REAL_DISPL_ND:L "
     "REAL_FORCE_ND:L IMAG_DISPL_ND:L IMAG_FORCE_ND:L REAL_DISPL_SD:L REAL_FORCE_SD:L IMAG_DISPL_SD:L "
     "IMAG_FORCE_SD:L NOISE_OL_FLAG:L SIGNL_OL_FLAG:L DSNR:S FSNR:S",
     "BINNUMBER", "BIN_NUMBER"},
};

QString describe(const platform::db::TableDef& table) {
  QStringList parts;
  for (const auto& field : table.fields()) {
    QString type;
    switch (field.type) {
      case FieldType::Long: type = QStringLiteral("L"); break;
      case FieldType::Single: type = QStringLiteral("S"); break;
      case FieldType::Double: type = QStringLiteral("D"); break;
      case FieldType::Text: type = QStringLiteral("T%1").arg(field.textSize()); break;
    }
    parts << field.name + QLatin1Char(':') + type;
  }
  return parts.join(QLatin1Char(' '));
}

TEST(RecordLayoutsTest, EachLayoutIsStoredWithItsFieldsTypesSizesAndIndex) {
  testsupport::TempProgramFolder folder;
  CreateDatabase creator;
  ASSERT_EQ(creator.Create(), status::Ok);
  platform::db::Database db;
  ASSERT_TRUE(db.open(CreateDatabase::databasePath()));
  for (const Layout& layout : Layouts) {
    QString name = QStringLiteral("T%1").arg(layout.device_type);
    ASSERT_EQ(creator.AddTable(name, layout.device_type, &db), status::Ok);
    const auto stored = db.tableDef(name);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(describe(*stored), QString::fromLatin1(layout.fields)) << layout.device_type;
    EXPECT_EQ(stored->primaryIndexName(), QString::fromLatin1(layout.indexName));
    EXPECT_EQ(stored->primaryKeyField(), QString::fromLatin1(layout.keyField));
    EXPECT_EQ(*stored, *layoutFor(layout.device_type, name));
  }
  EXPECT_FALSE(layoutFor(3, QStringLiteral("X")).has_value());
}

}  // namespace
}  // namespace instrument
