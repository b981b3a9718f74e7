#pragma once

#include <QString>

#include "report/builder/CompanyInfo.h"

namespace platform {
class ReportDesigner;
}

namespace report {

// The company information block of a report header: one blank, then every
// information line (1 to 5) that is filled in, each followed by a carriage
// return. Lines still holding the "Empty" placeholder are left out. With no
// line filled in the block is the blank alone.
QString companyInfoText(const CompanyInfo& info);

// Whether the information lines hold anything to show.
bool hasCompanyInfoLines(const CompanyInfo& info);

// Writes the company texts into a report header. The company name goes to
// the name object unless it is still "Empty" (an empty name is written); the
// information block goes to the block object when a line is filled in. With
// withProjectFields (Report only) the project name, machine number and tester
// go to ProjNameText, MachNoText and TestedByText when filled in and not
// "Empty". Missing objects are skipped.
struct CompanyBlockObjects {
  QString name;   // "Company" or "StiffyCompany"
  QString block;  // "Companyinfo" or "StiffyCompanyinfo"
  bool withProjectFields = false;
};
void writeCompanyBlock(platform::ReportDesigner& designer, const CompanyInfo& info,
                       const CompanyBlockObjects& objects);

inline const CompanyBlockObjects ReportCompanyObjects{QStringLiteral("Company"), QStringLiteral("Companyinfo"), true};
inline const CompanyBlockObjects StiffyCompanyObjects{QStringLiteral("StiffyCompany"),
                                                      QStringLiteral("StiffyCompanyinfo"), false};

}  // namespace report
