#include "mainwindow/tree/ProjectTree.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace mainwindow {
namespace {

QStringList texts(const QList<TreeNode>& nodes) {
  QStringList result;
  for (const TreeNode& node : nodes) result.append(node.text);
  return result;
}

QStringList keys(const QList<TreeNode>& nodes) {
  QStringList result;
  for (const TreeNode& node : nodes) result.append(node.key);
  return result;
}

TEST(ProjectTreeTest, EmptyListGivesOnlyTheRootWithTheModelsDefault) {
  EXPECT_EQ(buildProjectTree({}, {}, 0).text, QStringLiteral("Tests"));
  EXPECT_EQ(buildProjectTree({}, {}, 1).text, QStringLiteral("Projects"));
  EXPECT_EQ(buildProjectTree({}, {}, 2).text, QStringLiteral("Projects"));
  EXPECT_EQ(buildProjectTree({}, {}, 3).text, QStringLiteral("Run Number"));
  EXPECT_EQ(buildProjectTree({}, {}, 99).text, QStringLiteral("Projects"));
  const TreeNode root = buildProjectTree({}, {}, 1);
  EXPECT_EQ(root.key, QStringLiteral("Top"));
  EXPECT_EQ(root.kind, TreeNodeKind::Root);
  EXPECT_TRUE(root.children.isEmpty());
}

TEST(ProjectTreeTest, TitleReplacesTheDefaultRootText) {
  for (int model : {0, 1, 2, 3})
    EXPECT_EQ(buildProjectTree(QStringLiteral("A "), QStringLiteral("Tests (run1.txt)"), model).text,
              QStringLiteral("Tests (run1.txt)"));
}

TEST(ProjectTreeTest, LoadFrameTestsHaveNoChildren) {
  const TreeNode root = buildProjectTree(QStringLiteral("CBR_LBR1 MARSHALL1 "), {}, 0);
  EXPECT_EQ(texts(root.children), (QStringList{"CBR_LBR1", "MARSHALL1"}));
  EXPECT_EQ(keys(root.children), (QStringList{"T1", "T2"}));
  EXPECT_TRUE(root.children[0].children.isEmpty());
  EXPECT_EQ(root.children[1].kind, TreeNodeKind::Table);
  EXPECT_EQ(root.children[1].tableName, QStringLiteral("MARSHALL1"));
}

TEST(ProjectTreeTest, N2600AProjectsHaveAsphaltAndSoil) {
  const TreeNode root = buildProjectTree(QStringLiteral("1234 5678 "), {}, 1);
  ASSERT_EQ(root.children.size(), 2);
  EXPECT_EQ(texts(root.children[0].children), (QStringList{"Asphalt", "Soil"}));
  EXPECT_EQ(keys(root.children[0].children), (QStringList{"C1", "C2"}));
  EXPECT_EQ(keys(root.children[1].children), (QStringList{"C3", "C4"}));
  EXPECT_EQ(root.children[1].children[1].kind, TreeNodeKind::SampleType);
  EXPECT_EQ(root.children[1].children[1].tableName, QStringLiteral("5678"));
}

TEST(ProjectTreeTest, N2600BXProjectsHaveThinToo) {
  const TreeNode root = buildProjectTree(QStringLiteral("12.5 77 "), {}, 2);
  EXPECT_EQ(texts(root.children[0].children), (QStringList{"Asphalt", "Soil", "Thin"}));
  EXPECT_EQ(keys(root.children[1].children), (QStringList{"C4", "C5", "C6"}));
  EXPECT_EQ(root.children[0].text, QStringLiteral("12.5"));
}

// The shared table of later runs is told by its rows: runs numbered from 101
// give full tables up to RUN120 and the shared RUN121; without a working
// database no table is marked.
TEST(ProjectTreeTest, OnlyTheSharedTableOfLaterRunsIsMarked) {
  const QString list = QStringLiteral("RUN101 RUN120 RUN121 RUN21 ");
  EXPECT_EQ(texts(buildProjectTree(list, {}, 3).children), (QStringList{"RUN101", "RUN120", "RUN121", "RUN21"}));
  testsupport::TempProgramFolder folder;
  instrument::Parse parse;
  ASSERT_EQ(parse.Initit(), instrument::status::Ok);
  for (const char byte : testsupport::readData(QStringLiteral("t7310/runs_101_to_125.txt"))) {
    const auto code = static_cast<unsigned char>(byte);
    const QChar c(code);
    if ((code >= 32 && code <= 90) || code == 13) parse.Parse_T7310(QStringView(&c, 1));
  }
  parse.DeInit();
  const TreeNode root = buildProjectTree(list, {}, 3);
  EXPECT_EQ(texts(root.children), (QStringList{"RUN101", "RUN120", "RUN121+", "RUN21"}));
  EXPECT_EQ(root.children[2].tableName, QStringLiteral("RUN121"));
  EXPECT_TRUE(root.children[2].children.isEmpty());
}

TEST(ProjectTreeTest, NamesEndOnlyAtABlank) {
  EXPECT_EQ(texts(buildProjectTree(QStringLiteral("RUN1 RUN2"), {}, 3).children), QStringList{"RUN1"});
  const TreeNode root = buildProjectTree(QStringLiteral(" 12  "), {}, 1);
  EXPECT_EQ(texts(root.children), (QStringList{"", "12", ""}));
  EXPECT_EQ(keys(root.children), (QStringList{"T1", "T2", "T3"}));
  EXPECT_EQ(root.children[2].children.size(), 2);
}

TEST(ProjectTreeTest, WidgetShowsTheTreeWithOnlyTheRootExpanded) {
  QTreeWidget tree;
  tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
  QTreeWidgetItem* last = showProjectTree(tree, buildProjectTree(QStringLiteral("1 2 "), {}, 2));
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree.topLevelItem(0);
  EXPECT_EQ(root->text(0), QStringLiteral("Projects"));
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(root->childCount(), 2);
  EXPECT_FALSE(root->child(0)->isExpanded());
  EXPECT_EQ(root->child(1)->data(0, TreeKeyRole).toString(), QStringLiteral("T2"));
  EXPECT_EQ(nodeKind(*root->child(1)->child(2)), TreeNodeKind::SampleType);
  EXPECT_EQ(last, root->child(1)->child(2));
  EXPECT_EQ(last->text(0), QStringLiteral("Thin"));
  EXPECT_EQ(nodeKind(*root), TreeNodeKind::Root);
}

}  // namespace
}  // namespace mainwindow
