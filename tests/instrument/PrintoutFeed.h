#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <ostream>

#include "instrument/Parse.h"

namespace testsupport {

// Which characters reach the parser: the serial feeder passes codes 32 to 90
// and CR; the project-file reader also passes the end marker 253.
enum class Feeder { Serial, ProjectFile };

// Feeds the bytes one character per call, as the feeder would, and returns
// every result that was not status::NoValue, in order.
QList<int> feedPrintout(instrument::Parse& parse, instrument::Parse::Member member, const QByteArray& bytes,
                        Feeder feeder = Feeder::Serial);

// The rows of a table of the working database in key order, each a map of
// field name to value (a null QVariant for Null). Fails the test when the
// table cannot be read.
QList<QVariantMap> readTable(const QString& table);

// The tables of the working database, sorted.
QStringList workingTables();

}  // namespace testsupport

// Readable test failures for Qt values.
void PrintTo(const QVariant& value, std::ostream* os);
void PrintTo(const QString& value, std::ostream* os);
