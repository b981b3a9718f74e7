#include "download/ComSummaryCaptions.h"

namespace download {
namespace {

const QString PortPrefix = QStringLiteral("COM");
const QString Available = QStringLiteral(": AVAILABLE");
const QString Modem = QStringLiteral(": MODEM");
const QString InUse = QStringLiteral(": IN USE");
const QString Unavailable = QStringLiteral(": UNAVAILABLE");

QString stateSuffix(QChar state) {
  if (state.isDigit()) return Available;
  if (state == QLatin1Char('m')) return Modem;
  if (state == QLatin1Char('o')) return InUse;
  return Unavailable;
}

}  // namespace

QString comStatusCaption(int portNumber, const QString& portStates) {
  const qsizetype at = portNumber - 1;
  const QChar state = at >= 0 && at < portStates.size() ? portStates[at] : QChar();
  return PortPrefix + QString::number(portNumber) + stateSuffix(state);
}

QStringList comStatusCaptions(const QString& portStates) {
  QStringList captions;
  for (int port = 1; port <= ComPortCount; ++port) captions.append(comStatusCaption(port, portStates));
  return captions;
}

}  // namespace download
