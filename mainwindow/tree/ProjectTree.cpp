#include "mainwindow/tree/ProjectTree.h"

#include <QTreeWidget>

#include "instrument/DeviceType.h"
#include "mainwindow/tree/LaterRunsTable.h"

namespace mainwindow {
namespace {

const QString RootKey = QStringLiteral("Top");
const QString TableKeyPrefix = QStringLiteral("T");
const QString SampleKeyPrefix = QStringLiteral("C");
const QString TestsRoot = QStringLiteral("Tests");
const QString ProjectsRoot = QStringLiteral("Projects");
const QString RunNumberRoot = QStringLiteral("Run Number");
const QString Asphalt = QStringLiteral("Asphalt");
const QString Soil = QStringLiteral("Soil");
const QString Thin = QStringLiteral("Thin");

QStringList sampleTypes(int Model_Code) {
  using namespace instrument;
  if (Model_Code == ModelCode::LX9100 || Model_Code == ModelCode::T7310) return {};
  if (Model_Code == ModelCode::N2600BX) return {Asphalt, Soil, Thin};
  return {Asphalt, Soil};
}

QTreeWidgetItem* makeItem(const TreeNode& node) {
  auto* item = new QTreeWidgetItem(QStringList{node.text});
  item->setData(0, TreeKeyRole, node.key);
  item->setData(0, TreeKindRole, static_cast<int>(node.kind));
  item->setData(0, TreeTableRole, node.tableName);
  return item;
}

QTreeWidgetItem* addChildren(QTreeWidgetItem& parent, const TreeNode& node) {
  QTreeWidgetItem* last = nullptr;
  for (const TreeNode& child : node.children) {
    QTreeWidgetItem* item = makeItem(child);
    parent.addChild(item);
    last = item;
    if (QTreeWidgetItem* deeper = addChildren(*item, child)) last = deeper;
  }
  return last;
}

}  // namespace

QString defaultRootText(int Model_Code) {
  using namespace instrument;
  if (Model_Code == ModelCode::LX9100) return TestsRoot;
  if (Model_Code == ModelCode::T7310) return RunNumberRoot;
  return ProjectsRoot;
}

TreeNode buildProjectTree(const QString& tableList, const QString& Download_Title, int Model_Code) {
  TreeNode root{RootKey, Download_Title.isEmpty() ? defaultRootText(Model_Code) : Download_Title,
                TreeNodeKind::Root, QString(), {}};
  const QStringList types = sampleTypes(Model_Code);
  int k = 0;
  int m = 0;
  QString name;
  // A blank ends a name; characters after the last blank form no node.
  for (const QChar c : tableList) {
    if (c != QLatin1Char(' ')) {
      name += c;
      continue;
    }
    ++k;
    TreeNode table{TableKeyPrefix + QString::number(k), isLaterRunsTable(Model_Code, name) ? name + LaterRunsMark : name,
                   TreeNodeKind::Table, name, {}};
    for (const QString& type : types)
      table.children.append({SampleKeyPrefix + QString::number(++m), type, TreeNodeKind::SampleType, name, {}});
    root.children.append(table);
    name.clear();
  }
  return root;
}

QTreeWidgetItem* showProjectTree(QTreeWidget& TreeView1, const TreeNode& root) {
  TreeView1.clear();
  QTreeWidgetItem* top = makeItem(root);
  TreeView1.addTopLevelItem(top);
  QTreeWidgetItem* last = addChildren(*top, root);
  top->setExpanded(true);
  return last != nullptr ? last : top;
}

TreeNodeKind nodeKind(const QTreeWidgetItem& item) {
  return static_cast<TreeNodeKind>(item.data(0, TreeKindRole).toInt());
}

}  // namespace mainwindow
