#include "mainwindow/grids/GridColumns.h"

#include <QStringList>
#include <gtest/gtest.h>

#include "instrument/RecordLayouts.h"

namespace mainwindow {
namespace {

struct Shown {
  QStringList readings;
  QStringList header;
  QStringList editable;
};

Shown shownColumns(const platform::db::TableDef& layout, int model) {
  Shown shown;
  for (const platform::db::FieldDef& field : layout.fields()) {
    if (selectionColumnRule(GridKind::Readings, field.name, model).visible) shown.readings << field.name;
    const ColumnRule header = selectionColumnRule(GridKind::Header, field.name, model);
    if (header.visible) shown.header << field.name;
    if (header.editable || selectionColumnRule(GridKind::Readings, field.name, model).editable)
      shown.editable << field.name;
  }
  return shown;
}

QStringList split(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' ')); }

TEST(GridColumnsTest, EachModelShowsReadingsAndHeaderFieldsInFieldOrder) {
  const Shown lx = shownColumns(instrument::Load_Test_Record(), 0);
  EXPECT_EQ(lx.readings, split("READNUMBER CH1 CH2 CH3 CH4"));
  EXPECT_EQ(lx.header, split("TIME CH1NAME CH2NAME CH3NAME CH4NAME"));

  const Shown a = shownColumns(instrument::Compaction_Record_A(), 1);
  EXPECT_EQ(a.readings, split("RDNUM RDATE STAT OFFSET DPT SA PADJ DCNT MCNT PAV WETD DRYD WAT PWAT PAC DENS PCOMP"));
  EXPECT_EQ(a.header, split("ID SERNUM CDATE KVAL DSTD MSTD SPG MAXD"));

  const Shown bx = shownColumns(instrument::Compaction_Record_B(), 2);
  EXPECT_EQ(bx.readings,
            split("RDNUM STAT1TO STAT1 OFFSET STAT2 LANE DPT SA ADJ DC MC AV WD DD M PERCM PERC_COMP VR"));
  EXPECT_EQ(bx.header, split("ID SERNUM CDATE DATE DSTD MSTD KVAL SPG MAXD LOWD TIME"));

  const Shown run = shownColumns(instrument::Stiffness_Bin_Record(), 3);
  EXPECT_EQ(run.readings, split("BIN_NUMBER FREQUENCY REAL_DISPL_ND REAL_FORCE_ND IMAG_DISPL_ND IMAG_FORCE_ND "
                                "REAL_DISPL_SD REAL_FORCE_SD IMAG_DISPL_SD IMAG_FORCE_SD NOISE_OL_FLAG "
                                "SIGNL_OL_FLAG DSNR FSNR"));
  EXPECT_EQ(run.header, split("RUN_NUMBER MEASURE CALFACTOR DATE TIME"));

  // MAXD in the header grid is the only cell that takes typing; the N2600A
  // has nothing to recompute from it, so there it is read-only too.
  EXPECT_EQ(bx.editable, split("MAXD"));
  for (const Shown& model : {lx, a, run}) EXPECT_TRUE(model.editable.isEmpty());
}

TEST(GridColumnsTest, WidthsDivideTheGridByItsColumnsWithoutDividingByZero) {
  EXPECT_FLOAT_EQ(widthFactors(0).readings, 2.0F);
  EXPECT_FLOAT_EQ(widthFactors(0).header, 2.22F);
  EXPECT_FLOAT_EQ(widthFactors(2).readings, 4.25F);
  EXPECT_FLOAT_EQ(widthFactors(3).header, 4.0F);
  EXPECT_FLOAT_EQ(widthFactors(99).readings, 0.0F);

  // Ten readings columns share width × 2 ÷ 9; eight header columns width × 2.22 ÷ 8.
  EXPECT_FLOAT_EQ(*columnWidth(GridKind::Readings, 9000, 2.0F, 10), 2000.0F);
  EXPECT_FLOAT_EQ(*columnWidth(GridKind::Header, 8000, 2.22F, 8), 2220.0F);
  EXPECT_FALSE(columnWidth(GridKind::Readings, 9000, 2.0F, 1));
  EXPECT_FALSE(columnWidth(GridKind::Readings, 9000, 2.0F, 0));
  EXPECT_FALSE(columnWidth(GridKind::Header, 9000, 2.0F, 0));
  EXPECT_FLOAT_EQ(*columnWidth(GridKind::Header, 9000, 2.0F, 1), 18000.0F);
}

TEST(GridColumnsTest, ShownColumnsKeepTheRuleWhenItFitsAndTheirTextsAlways) {
  using Widths = QList<int>;
  // The rule fits: it stands, widened where a text needs more.
  EXPECT_EQ(fitShownColumns(100, 1000, Widths{50, 120, 50}), (Widths{100, 120, 100}));
  // The rule does not fit: texts first, the rest of the room shared, the
  // last column ending at the room's edge.
  EXPECT_EQ(fitShownColumns(300, 1003, Widths{100, 200, 100, 100}), (Widths{225, 325, 225, 228}));
  // Not even the texts fit: they stay whole, and the grid scrolls sideways.
  EXPECT_EQ(fitShownColumns(300, 100, Widths{60, 60, 60}), (Widths{60, 60, 60}));
  EXPECT_TRUE(fitShownColumns(300, 1003, Widths{}).isEmpty());
}

}  // namespace
}  // namespace mainwindow
