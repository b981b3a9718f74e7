#include "instrument/DBTablesFile.h"

namespace instrument {

QString DBTables_File(int, const QString&, qint16&) { return {}; }

}  // namespace instrument
