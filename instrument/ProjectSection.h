#pragma once

#include <QString>
#include <QStringList>

namespace platform::db {
class Database;
}

namespace instrument {

class ProjectText;

// What each model's section of the project-file writer is given: the writer's
// own connection to the working database, the listed names in list order and
// the text to write into. A section returns false when a table cannot be read,
// with the reason in error; what it wrote is then thrown away by the writer.
struct ProjectSection {
  platform::db::Database& db;
  const QStringList& names;
  ProjectText& out;
  QString error;
};

bool writeLoadFrameSection(ProjectSection& section);
bool writeStiffnessSection(ProjectSection& section);
bool writeN2600BXSection(ProjectSection& section);
// exportCsv: the soil part in comma-separated form (the raw-data export).
bool writeN2600ASection(ProjectSection& section, bool exportCsv);

}  // namespace instrument
