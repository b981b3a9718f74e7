#include "report/page/output/ExportForm.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/ui/ScriptedDialogs.h"

namespace report {
namespace {

const QString InvalidRaw = QStringLiteral("Invalid raw data export file name.");
const QString InvalidStiff = QStringLiteral("Invalid stiffness data export file name.");

class ExportFormTest : public ::testing::Test {
 protected:
  ~ExportFormTest() override { delete form.data(); }

  ExportForm& open(qint32 model, int tab = 0, int pages = 4) {
    ExportForm::Context context;
    context.Model_Code = model;
    context.shownReportTab = tab;
    context.Last_Path = &lastPath;
    context.pageCount = [pages](bool) { return pages; };
    form = new ExportForm(choices, context, nullptr);
    return *form;
  }
  QString raw() const { return form->ExportLocation[0]->text(); }
  void setRaw(const QString& name) { form->ExportLocation[0]->setText(name); }
  void chooseRange(const QString& from, const QString& to) {
    form->ExportRange[1]->setChecked(true);
    form->RangeStart->setText(from);
    form->RangeFinish->setText(to);
  }

  QTemporaryDir dir;
  QString lastPath = dir.path();
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  Export_Choices choices;
  QPointer<ExportForm> form;
};

TEST_F(ExportFormTest, OpensOnCsvWithNamesInTheLastFolderAndPageBoxesGuarded) {
  choices.Export_Confirmed = true;
  open(0);
  EXPECT_FALSE(choices.Export_Confirmed);
  EXPECT_EQ(raw(), lastPath + "/DataRaw.csv");
  EXPECT_EQ(form->ExportLocation[1]->text(), QStringLiteral("N/A"));
  EXPECT_FALSE(form->FileBrowseButton[1]->isEnabled() || form->ExportWhat[0]->isEnabled());
  form->RangeStart->setText(QString());
  form->RangeFinish->setText(QStringLiteral("x"));
  EXPECT_EQ(form->RangeStart->text() + form->RangeFinish->text(), QStringLiteral("11"));
  delete form.data();

  open(3, 1);
  EXPECT_EQ(form->ExportLocation[1]->text(), lastPath + "/DataStif.csv");
  EXPECT_TRUE(form->ExportWhat[1]->isEnabled());
  EXPECT_EQ(form->ExportWhat[1]->text(), QStringLiteral("Export Stiffness Data"));
}

TEST_F(ExportFormTest, APageBoxSelectsItsWholeTextWhenClickedInto) {
  open(0);
  chooseRange(QStringLiteral("3"), QStringLiteral("12"));
  form->show();
  form->activateWindow();
  for (QLineEdit* box : {form->RangeStart, form->RangeFinish}) {
    box->deselect();
    box->setFocus(Qt::MouseFocusReason);  // a click does not select by itself
    for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();  // the focus, then the selection after it
    if (QApplication::focusWidget() != box) GTEST_SKIP() << "no keyboard focus on this platform";
    EXPECT_EQ(box->selectedText(), box->text());
  }
}

TEST_F(ExportFormTest, FormatSwitchReplacesOnlyARealExtension) {
  open(3);
  form->ExportFormat[1]->setChecked(true);
  EXPECT_EQ(raw(), lastPath + "/DataRaw.rtf");
  EXPECT_EQ(form->ExportLocation[1]->text(), lastPath + "/DataStif.rtf");
  form->ExportFormat[2]->setChecked(true);
  EXPECT_EQ(raw(), lastPath + "/DataRaw.pdf");
  const struct {
    const char* before;
    const char* after;
  } cases[] = {{"/data/report.xlsx", "/data/report.rtf"},
               {"/data/report", "/data/report.rtf"},
               {"/data.old/report", "/data.old/report.rtf"},
               {"ab", "ab.rtf"}};
  for (const auto& c : cases) {
    setRaw(QString::fromLatin1(c.before));
    form->ExportFormat[0]->setChecked(true);
    form->ExportFormat[1]->setChecked(true);
    EXPECT_EQ(raw().toStdString(), c.after) << c.before;
  }
}

TEST_F(ExportFormTest, FileNamesNeedAnExistingFolderAndAName) {
  open(0);
  ASSERT_TRUE(QDir(lastPath).mkdir(QStringLiteral("empty")));
  const struct {
    QString name;
    bool accepted;
  } cases[] = {{QStringLiteral("DataRaw.csv"), false},
               {lastPath + "/", false},
               {lastPath + "/  ", false},
               {lastPath + "/missing/DataRaw.csv", false},
               {lastPath + "/empty/DataRaw.csv", true}};
  for (const auto& c : cases) {
    dialogs.messages.clear();
    setRaw(c.name);
    form->ExportOk_Click();
    EXPECT_EQ(choices.Export_Confirmed, c.accepted) << c.name.toStdString();
    EXPECT_EQ(dialogs.messageTexts(), c.accepted ? QStringList() : QStringList{InvalidRaw}) << c.name.toStdString();
  }
  EXPECT_EQ(choices.Export_Raw_File, lastPath + "/empty/DataRaw.csv");
}

TEST_F(ExportFormTest, TheStiffnessNameIsCheckedFirstAndTheDialogStaysOpen) {
  open(3);
  setRaw(QStringLiteral("/missing/DataRaw.csv"));
  form->ExportLocation[1]->setText(QStringLiteral("/missing/DataStif.csv"));
  form->ExportOk_Click();
  EXPECT_EQ(dialogs.messageTexts(), QStringList{InvalidStiff});
  EXPECT_FALSE(choices.Export_Confirmed || form.isNull());
}

TEST_F(ExportFormTest, PageRangesMustBeWholePagesOfTheReport) {
  open(0, 0, 4);
  form->ExportFormat[2]->setChecked(true);
  const QString refusal = QStringLiteral("Page numbers must be whole numbers from 1 to 4, the first not above the last.");
  for (const auto& [from, to] : {std::pair{"0", "2"}, {"2.5", "3"}, {"3", "2"}, {"2", "5"}, {"-1", "2"}}) {
    dialogs.messages.clear();
    chooseRange(QString::fromLatin1(from), QString::fromLatin1(to));
    form->ExportOk_Click();
    EXPECT_FALSE(choices.Export_Confirmed) << from << " to " << to;
    EXPECT_EQ(dialogs.messageTexts(), QStringList{refusal}) << from << " to " << to;
  }
  chooseRange(QStringLiteral("2"), QStringLiteral("4"));
  form->ExportOk_Click();
  EXPECT_TRUE(choices.Export_Confirmed);
  EXPECT_EQ(choices.Export_Destination, QStringLiteral("DISK"));
  EXPECT_EQ(choices.Export_Format, QStringLiteral("PDF"));
  EXPECT_EQ(choices.Export_Range, QStringLiteral("RANGE"));
  EXPECT_EQ(choices.Export_Range_Start, QStringLiteral("2"));
  EXPECT_EQ(choices.Export_Range_End, QStringLiteral("4"));
  EXPECT_EQ(choices.Export_What, QStringLiteral("ALL"));
  EXPECT_EQ(choices.Export_Raw_File, lastPath + "/DataRaw.pdf");
}

TEST_F(ExportFormTest, AllPagesKeepsTheEarlierRangeAndCsvIgnoresTheRange) {
  choices.Export_Range_Start = QStringLiteral("2");
  choices.Export_Range_End = QStringLiteral("3");
  open(3, 1);
  form->ExportWhat[1]->setChecked(true);
  EXPECT_FALSE(form->FileBrowseButton[0]->isEnabled());
  form->ExportOk_Click();
  EXPECT_EQ(choices.Export_Range, QStringLiteral("ALL"));
  EXPECT_EQ(choices.Export_Range_Start, QStringLiteral("2"));
  EXPECT_EQ(choices.Export_What, QStringLiteral("CURRENT"));
  EXPECT_EQ(choices.Export_Stiff_File, lastPath + "/DataStif.csv");

  open(0, 0, 1);
  chooseRange(QStringLiteral("5"), QStringLiteral("9"));  // no pages for CSV
  form->ExportOk_Click();
  EXPECT_TRUE(choices.Export_Confirmed);
  EXPECT_EQ(choices.Export_Format, QStringLiteral("CSV"));
}

TEST_F(ExportFormTest, BrowseTakesTheChosenFileAndItsFolder) {
  open(0);
  // The program folder has no button picture: the buttons show their text.
  EXPECT_EQ(form->FileBrowseButton[0]->toolButtonStyle(), Qt::ToolButtonTextOnly);
  dialogs.files.enqueue(std::nullopt);
  form->FileBrowseButton_Click(0);
  EXPECT_EQ(raw(), lastPath + "/DataRaw.csv");
  form->ExportFormat[1]->setChecked(true);
  dialogs.files.enqueue(QStringLiteral("/srv/out/report.rtf"));
  form->FileBrowseButton_Click(0);
  EXPECT_EQ(raw(), QStringLiteral("/srv/out/report.rtf"));
  EXPECT_EQ(lastPath, QStringLiteral("/srv/out"));
  ASSERT_EQ(dialogs.fileRequests.size(), 2);
  EXPECT_EQ(dialogs.fileRequests[1].kind, platform::ui::FileDialogKind::Save);
  EXPECT_EQ(dialogs.fileRequests[1].filter, QStringLiteral("Rich Text Format (*.rtf)"));
}

}  // namespace
}  // namespace report
