#pragma once

#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace mainwindow {

// What a node of the project tree stands for. Tree selection decides by the
// kind, never by the node's text.
enum class TreeNodeKind { Root = 0, Table = 1, SampleType = 2 };

// Item data roles of the tree's nodes (column 0).
inline constexpr int TreeKeyRole = 0x0100 + 1;   // "Top", "T1", "C1", ...
inline constexpr int TreeKindRole = 0x0100 + 2;  // TreeNodeKind as int
inline constexpr int TreeTableRole = 0x0100 + 3; // the table name a node belongs to

// One node as the tree shows it; children in order.
struct TreeNode {
  QString key;
  QString text;
  TreeNodeKind kind = TreeNodeKind::Root;
  QString tableName;  // the list entry of a table node and of its children
  QList<TreeNode> children;
};

// Root text when no title is set, by model code.
QString defaultRootText(int Model_Code);

// The tree of a table list (names each followed by one blank) for a model:
// the root, one node per name, and for the density gauges one node per
// sample type under each table.
TreeNode buildProjectTree(const QString& tableList, const QString& Download_Title, int Model_Code);

// Replaces the contents of the tree widget with the tree; only the root is
// expanded. Returns the last node added.
QTreeWidgetItem* showProjectTree(QTreeWidget& TreeView1, const TreeNode& root);

// The kind of a tree widget item (Root for an item without a kind).
TreeNodeKind nodeKind(const QTreeWidgetItem& item);

}  // namespace mainwindow
