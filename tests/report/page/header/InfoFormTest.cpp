#include "report/page/header/InfoForm.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/core/ProgramFiles.h"
#include "platform/ui/ScriptedDialogs.h"
#include "report/page/header/CompanyInfoSave.h"
#include "support/TempProgramFolder.h"

namespace report {
namespace {

const QChar CR(13);

class InfoFormTest : public ::testing::Test {
 protected:
  QString text(bool stiffy, const QString& name) const {
    const auto& designer = stiffy ? designers.StiffyReport : designers.Report;
    return designer->member(name).text().value_or(QStringLiteral("<missing>"));
  }
  QByteArray fileBytes() const {
    QFile file(folder.path(platform::ProgramFiles::CompanyInfo));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void type(int box, const QString& value) {
    form.CInfo[box]->setText(QString());
    form.CInfo[box]->insert(value);  // as typed: textEdited reaches the store
  }

  testsupport::TempProgramFolder folder;
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  CompanyInfo info;
  QString title = QStringLiteral("Job 7");
  ReportDesigners designers;
  ReportFlags flags;
  InfoForm form{info, title, designers, flags, nullptr};
};

TEST_F(InfoFormTest, SaveWritesTheFileAndBothHeadersLeavingEmptyLinesOut) {
  form.showInformation();
  type(CompanyName, QStringLiteral("Acme Soils"));
  type(2, QStringLiteral("12 Main St"));
  type(4, QStringLiteral("555-0101"));
  type(ProjectName, QStringLiteral("Route 9"));
  flags.Info_Changed = true;
  form.Save_info->click();

  EXPECT_EQ(fileBytes(), QByteArray("\"Acme Soils\rEmpty\r12 Main St\rEmpty\r555-0101\rEmpty\rRoute 9\rEmpty\rEmpty\r"
                                    "Job 7\r\"\r\n"));
  const QString block = QStringLiteral(" 12 Main St") + CR + QStringLiteral("555-0101") + CR;
  EXPECT_EQ(text(false, "Company"), QStringLiteral("Acme Soils"));
  EXPECT_EQ(text(false, "Companyinfo"), block);
  EXPECT_EQ(text(true, "StiffyCompany"), QStringLiteral("Acme Soils"));
  EXPECT_EQ(text(true, "StiffyCompanyinfo"), block);
  EXPECT_EQ(text(false, "ProjNameText"), QStringLiteral("Route 9"));
  EXPECT_NE(text(false, "MachNoText"), QStringLiteral("Empty"));
  EXPECT_EQ(dialogs.messageTexts(), QStringList{InformationSaved});
  EXPECT_FALSE(flags.Info_Changed);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(InfoFormTest, AFailedSaveSaysSoAndKeepsTheInformationUnsaved) {
  ASSERT_TRUE(QDir(folder.path(QStringLiteral("info"))).removeRecursively());
  form.showInformation();
  type(CompanyName, QStringLiteral("Acme Soils"));
  flags.Info_Changed = true;
  form.Save_info->click();

  EXPECT_EQ(dialogs.messageTexts(), QStringList{InformationNotSaved});
  EXPECT_TRUE(flags.Info_Changed);
  EXPECT_TRUE(fileBytes().isEmpty());
  EXPECT_EQ(text(false, "Company"), QStringLiteral("Acme Soils"));  // the report still shows the edit
}

TEST_F(InfoFormTest, CloseKeepsUnsavedEditsForTheNextOpening) {
  form.showInformation();
  type(MachineNumber, QStringLiteral("LX-44"));
  form.CloseInfo->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(info.CInfo[MachineNumber], QStringLiteral("LX-44"));
  form.showInformation();
  EXPECT_EQ(form.CInfo[MachineNumber]->text(), QStringLiteral("LX-44"));
  EXPECT_EQ(form.CInfo[TestedBy]->text(), QStringLiteral("Empty"));
}

}  // namespace
}  // namespace report
