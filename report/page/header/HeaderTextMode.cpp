#include "report/page/header/HeaderTextMode.h"

#include "report/builder/CompanyInfo.h"

namespace report {

HeaderTextMode headerTextMode(int what) {
  const QString company = QStringLiteral("Company");
  const QString companyInfo = QStringLiteral("Companyinfo");
  const QString stiffyCompany = QStringLiteral("StiffyCompany");
  const QString stiffyCompanyInfo = QStringLiteral("StiffyCompanyinfo");
  switch (what) {
    case WhatCompanyName:
      return {what, QStringLiteral("Edit Company Name Position"), {company}, {stiffyCompany}, company, stiffyCompany,
              true, false, CompanyName};
    case WhatCompanyInfo:
      return {what, QStringLiteral("Edit Company Info Position"), {companyInfo}, {stiffyCompanyInfo}, companyInfo,
              stiffyCompanyInfo, true, true, FirstInfoLine};
    case WhatDate: {
      const QStringList date{QStringLiteral("Text8"), QStringLiteral("Field1"), QStringLiteral("Field2")};
      return {what, QStringLiteral("Edit Date/Time Position"), date, {}, {}, {}, false, false, -1};
    }
    case WhatMachineNumber:
      return {what, QStringLiteral("Edit Machine Number"), {QStringLiteral("MachNoLabel"), QStringLiteral("MachNoText")},
              {}, QStringLiteral("MachNoText"), {}, false, false, MachineNumber};
    case WhatProjectName:
      return {what, QStringLiteral("Edit Project Name"),
              {QStringLiteral("ProjNameLabel"), QStringLiteral("ProjNameText")}, {}, QStringLiteral("ProjNameText"), {},
              true, false, ProjectName};
    case WhatTestedBy:
      return {what, QStringLiteral("Edit Tested By"),
              {QStringLiteral("TestedByLabel"), QStringLiteral("TestedByText")}, {}, QStringLiteral("TestedByText"), {},
              false, false, TestedBy};
    case WhatRemark:
      return {what, QStringLiteral("Edit/Add Remarks"), {}, {}, {}, {}, true, false, -1};
    default:
      return {};
  }
}

}  // namespace report
