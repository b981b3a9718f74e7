#include "platform/core/MarkedName.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace platform {
namespace {

const QString Letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr int LetterCount = 6;
// %1: the file's name; %2: the mark.
const QString NameFilter = QStringLiteral("%1%2??????");
const QString NamePattern = QStringLiteral("^%1%2[A-Za-z]{6}$");

}  // namespace

QString markedName(const QString& path, const QString& mark) {
  QString name = path + mark;
  for (int i = 0; i < LetterCount; ++i)
    name += Letters.at(QRandomGenerator::global()->bounded(static_cast<int>(Letters.size())));
  return name;
}

void removeMarkedFiles(const QString& path, const QString& mark) {
  const QFileInfo file(path);
  QDir folder = file.absoluteDir();
  const QRegularExpression marked(
      NamePattern.arg(QRegularExpression::escape(file.fileName()), QRegularExpression::escape(mark)));
  const QStringList candidates =
      folder.entryList({NameFilter.arg(file.fileName(), mark)}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : candidates)
    if (marked.match(name).hasMatch()) folder.remove(name);
}

}  // namespace platform
