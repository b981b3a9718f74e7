#include "instrument/RecordLayouts.h"

#include "instrument/DeviceType.h"

namespace instrument {

using platform::db::FieldDef;
using platform::db::FieldType;
using platform::db::TableDef;

namespace {

void add(TableDef& table, const QString& name, FieldType type, int size = 0) {
  table.append(FieldDef{name, type, size});
}

void addSingles(TableDef& table, std::initializer_list<const QString*> names) {
  for (const QString* name : names) add(table, *name, FieldType::Single);
}

}  // namespace

TableDef Load_Test_Record(const QString& tableName) {
  namespace F = LoadTestField;
  TableDef t(tableName);
  add(t, F::READNUMBER, FieldType::Long);
  add(t, F::TIME, FieldType::Text);
  for (const QString* ch : {&F::CH1, &F::CH2, &F::CH3, &F::CH4}) add(t, *ch, FieldType::Double);
  for (const QString* n : {&F::CH1NAME, &F::CH2NAME, &F::CH3NAME, &F::CH4NAME}) add(t, *n, FieldType::Text);
  t.setPrimaryIndex(F::IndexName, F::READNUMBER);
  return t;
}

TableDef Compaction_Record_A(const QString& tableName) {
  namespace F = CompactionAField;
  TableDef t(tableName);
  add(t, F::ID, FieldType::Text);
  add(t, F::RDNUM, FieldType::Long);
  add(t, F::SERNUM, FieldType::Long);
  add(t, F::CDATE, FieldType::Text);
  add(t, F::RDATE, FieldType::Text);
  add(t, F::STAT, FieldType::Single);
  add(t, F::OFFSET, FieldType::Single);
  add(t, F::DPT, FieldType::Text);
  add(t, F::SA, FieldType::Text);
  addSingles(t, {&F::KVAL, &F::PADJ, &F::DSTD, &F::MSTD, &F::DCNT, &F::MCNT, &F::SPG, &F::PAV,
                 &F::MAXD, &F::WETD, &F::DRYD, &F::WAT, &F::PWAT, &F::PAC, &F::DENS, &F::PCOMP});
  t.setPrimaryIndex(F::IndexName, F::RDNUM);
  return t;
}

TableDef Compaction_Record_B(const QString& tableName) {
  namespace F = CompactionBField;
  TableDef t(tableName);
  add(t, F::ID, FieldType::Text);
  add(t, F::SERNUM, FieldType::Long);
  add(t, F::CDATE, FieldType::Text);
  add(t, F::DATE, FieldType::Text, 10);
  addSingles(t, {&F::DSTD, &F::MSTD, &F::KVAL, &F::SPG, &F::MAXD, &F::LOWD});
  add(t, F::RDNUM, FieldType::Long);
  add(t, F::TIME, FieldType::Text, 10);
  add(t, F::STAT1TO, FieldType::Text);
  add(t, F::STAT1, FieldType::Text);
  add(t, F::OFFSET, FieldType::Text, 10);
  add(t, F::STAT2, FieldType::Text);
  add(t, F::LANE, FieldType::Text, 10);
  add(t, F::DPT, FieldType::Text);
  add(t, F::SA, FieldType::Text);
  addSingles(t, {&F::ADJ, &F::DC, &F::MC, &F::AV, &F::WD, &F::DD, &F::M, &F::PERCM, &F::PERC_COMP});
  add(t, F::VR, FieldType::Text);
  t.setPrimaryIndex(F::IndexName, F::RDNUM);
  return t;
}

TableDef Stiffness_Bin_Record(const QString& tableName) {
  namespace F = StiffnessBinField;
  TableDef t(tableName);
  add(t, F::RUN_NUMBER, FieldType::Long);
  add(t, F::MEASURE, FieldType::Single);
  add(t, F::CALFACTOR, FieldType::Single);
  add(t, F::DATE, FieldType::Text);
  add(t, F::TIME, FieldType::Text);
  add(t, F::BIN_NUMBER, FieldType::Long);
  add(t, F::FREQUENCY, FieldType::Long);
  for (const QString* n : {&F::REAL_DISPL_ND, &F::REAL_FORCE_ND, &F::IMAG_DISPL_ND, &F::IMAG_FORCE_ND,
                           &F::REAL_DISPL_SD, &F::REAL_FORCE_SD, &F::IMAG_DISPL_SD, &F::IMAG_FORCE_SD,
                           &F::NOISE_OL_FLAG, &F::SIGNL_OL_FLAG})
    add(t, *n, FieldType::Long);
  add(t, F::DSNR, FieldType::Single);
  add(t, F::FSNR, FieldType::Single);
  t.setPrimaryIndex(F::IndexName, F::BIN_NUMBER);
  return t;
}

std::optional<TableDef> layoutFor(int device_type, const QString& tableName) {
  switch (device_type) {
    case DeviceType::LoadFrameSingle: return Load_Test_Record(tableName);
    case DeviceType::N2600A: return Compaction_Record_A(tableName);
    case DeviceType::N2600BX: return Compaction_Record_B(tableName);
    case DeviceType::T7310: return Stiffness_Bin_Record(tableName);
    default: return std::nullopt;
  }
}

}  // namespace instrument
