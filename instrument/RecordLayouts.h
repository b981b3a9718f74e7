#pragma once

#include <QString>
#include <optional>

#include "platform/db/TableDef.h"

namespace instrument {

// The four table layouts of the working database. Each function returns the
// definition (fields in order, primary index) for a table of the given name.

// Load-frame test table, primary index "READNUMBER" on READNUMBER.
namespace LoadTestField {
inline const QString READNUMBER = QStringLiteral("READNUMBER");
inline const QString TIME = QStringLiteral("TIME");
inline const QString CH1 = QStringLiteral("CH1");
inline const QString CH2 = QStringLiteral("CH2");
inline const QString CH3 = QStringLiteral("CH3");
inline const QString CH4 = QStringLiteral("CH4");
inline const QString CH1NAME = QStringLiteral("CH1NAME");
inline const QString CH2NAME = QStringLiteral("CH2NAME");
inline const QString CH3NAME = QStringLiteral("CH3NAME");
inline const QString CH4NAME = QStringLiteral("CH4NAME");
inline const QString IndexName = QStringLiteral("READNUMBER");
}  // namespace LoadTestField
platform::db::TableDef Load_Test_Record(const QString& tableName = QString());

// N2600A project table, primary index "RD_NUM" on RDNUM.
namespace CompactionAField {
inline const QString ID = QStringLiteral("ID");
inline const QString RDNUM = QStringLiteral("RDNUM");
inline const QString SERNUM = QStringLiteral("SERNUM");
inline const QString CDATE = QStringLiteral("CDATE");
inline const QString RDATE = QStringLiteral("RDATE");
inline const QString STAT = QStringLiteral("STAT");
inline const QString OFFSET = QStringLiteral("OFFSET");
inline const QString DPT = QStringLiteral("DPT");
inline const QString SA = QStringLiteral("SA");
inline const QString KVAL = QStringLiteral("KVAL");
inline const QString PADJ = QStringLiteral("PADJ");
inline const QString DSTD = QStringLiteral("DSTD");
inline const QString MSTD = QStringLiteral("MSTD");
inline const QString DCNT = QStringLiteral("DCNT");
inline const QString MCNT = QStringLiteral("MCNT");
inline const QString SPG = QStringLiteral("SPG");
inline const QString PAV = QStringLiteral("PAV");
inline const QString MAXD = QStringLiteral("MAXD");
inline const QString WETD = QStringLiteral("WETD");
inline const QString DRYD = QStringLiteral("DRYD");
inline const QString WAT = QStringLiteral("WAT");
inline const QString PWAT = QStringLiteral("PWAT");
inline const QString PAC = QStringLiteral("PAC");
inline const QString DENS = QStringLiteral("DENS");
inline const QString PCOMP = QStringLiteral("PCOMP");
inline const QString IndexName = QStringLiteral("RD_NUM");
}  // namespace CompactionAField
platform::db::TableDef Compaction_Record_A(const QString& tableName = QString());

// N2600BX project table, primary index "RD_NUM" on RDNUM.
namespace CompactionBField {
inline const QString ID = QStringLiteral("ID");
inline const QString SERNUM = QStringLiteral("SERNUM");
inline const QString CDATE = QStringLiteral("CDATE");
inline const QString DATE = QStringLiteral("DATE");
inline const QString DSTD = QStringLiteral("DSTD");
inline const QString MSTD = QStringLiteral("MSTD");
inline const QString KVAL = QStringLiteral("KVAL");
inline const QString SPG = QStringLiteral("SPG");
inline const QString MAXD = QStringLiteral("MAXD");
inline const QString LOWD = QStringLiteral("LOWD");
inline const QString RDNUM = QStringLiteral("RDNUM");
inline const QString TIME = QStringLiteral("TIME");
inline const QString STAT1TO = QStringLiteral("STAT1TO");
inline const QString STAT1 = QStringLiteral("STAT1");
inline const QString OFFSET = QStringLiteral("OFFSET");
inline const QString STAT2 = QStringLiteral("STAT2");
inline const QString LANE = QStringLiteral("LANE");
inline const QString DPT = QStringLiteral("DPT");
inline const QString SA = QStringLiteral("SA");
inline const QString ADJ = QStringLiteral("ADJ");
inline const QString DC = QStringLiteral("DC");
inline const QString MC = QStringLiteral("MC");
inline const QString AV = QStringLiteral("AV");
inline const QString WD = QStringLiteral("WD");
inline const QString DD = QStringLiteral("DD");
inline const QString M = QStringLiteral("M");
inline const QString PERCM = QStringLiteral("PERCM");
inline const QString PERC_COMP = QStringLiteral("PERC_COMP");
inline const QString VR = QStringLiteral("VR");
inline const QString IndexName = QStringLiteral("RD_NUM");
}  // namespace CompactionBField
platform::db::TableDef Compaction_Record_B(const QString& tableName = QString());

// T7310 run table, primary index "BINNUMBER" on BIN_NUMBER.
namespace StiffnessBinField {
inline const QString RUN_NUMBER = QStringLiteral("RUN_NUMBER");
inline const QString MEASURE = QStringLiteral("MEASURE");
inline const QString CALFACTOR = QStringLiteral("CALFACTOR");
inline const QString DATE = QStringLiteral("DATE");
inline const QString TIME = QStringLiteral("TIME");
inline const QString BIN_NUMBER = QStringLiteral("BIN_NUMBER");
inline const QString FREQUENCY = QStringLiteral("FREQUENCY");
inline const QString REAL_DISPL_ND = QStringLiteral("REAL_DISPL_ND");
inline const QString REAL_FORCE_ND = QStringLiteral("REAL_FORCE_ND");
inline const QString IMAG_DISPL_ND = QStringLiteral("IMAG_DISPL_ND");
inline const QString IMAG_FORCE_ND = QStringLiteral("IMAG_FORCE_ND");
inline const QString REAL_DISPL_SD = QStringLiteral("REAL_DISPL_SD");
inline const QString REAL_FORCE_SD = QStringLiteral("REAL_FORCE_SD");
inline const QString IMAG_DISPL_SD = QStringLiteral("IMAG_DISPL_SD");
inline const QString IMAG_FORCE_SD = QStringLiteral("IMAG_FORCE_SD");
inline const QString NOISE_OL_FLAG = QStringLiteral("NOISE_OL_FLAG");
inline const QString SIGNL_OL_FLAG = QStringLiteral("SIGNL_OL_FLAG");
inline const QString DSNR = QStringLiteral("DSNR");
inline const QString FSNR = QStringLiteral("FSNR");
inline const QString IndexName = QStringLiteral("BINNUMBER");
}  // namespace StiffnessBinField
platform::db::TableDef Stiffness_Bin_Record(const QString& tableName = QString());

// The layout of a device_type (0, 1, 2 or 4); nothing for 3 or any other.
std::optional<platform::db::TableDef> layoutFor(int device_type, const QString& tableName);

}  // namespace instrument
