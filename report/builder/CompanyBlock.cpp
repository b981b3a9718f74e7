#include "report/builder/CompanyBlock.h"

#include "platform/report/ReportDesigner.h"

namespace report {

namespace {

const QChar CarriageReturn(13);

bool filledIn(const QString& text) { return text != CInfoPlaceholder; }

}  // namespace

QString companyInfoText(const CompanyInfo& info) {
  QString block = QStringLiteral(" ");
  for (int i = FirstInfoLine; i <= LastInfoLine; ++i)
    if (filledIn(info.CInfo[i])) block += info.CInfo[i] + CarriageReturn;
  return block;
}

bool hasCompanyInfoLines(const CompanyInfo& info) {
  for (int i = FirstInfoLine; i <= LastInfoLine; ++i)
    if (filledIn(info.CInfo[i])) return true;
  return false;
}

void writeCompanyBlock(platform::ReportDesigner& designer, const CompanyInfo& info,
                       const CompanyBlockObjects& objects) {
  if (filledIn(info.CInfo[CompanyName])) designer.member(objects.name).SetText(info.CInfo[CompanyName]);
  if (hasCompanyInfoLines(info)) designer.member(objects.block).SetText(companyInfoText(info));
  if (!objects.withProjectFields) return;
  const std::pair<int, QString> fields[] = {{ProjectName, QStringLiteral("ProjNameText")},
                                            {MachineNumber, QStringLiteral("MachNoText")},
                                            {TestedBy, QStringLiteral("TestedByText")}};
  for (const auto& [item, object] : fields) {
    const QString& text = info.CInfo[item];
    if (!text.isEmpty() && filledIn(text)) designer.member(object).SetText(text);
  }
}

}  // namespace report
