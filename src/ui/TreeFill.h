// Fills a tree widget from a page's flat node list (level, text, picture, expanded).
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <cstddef>
#include <vector>

namespace qv {

// Replaces the tree's items by one item per node, a node of level n under the last node of
// level n - 1 before it (a level past that stands at the top), and returns the items in the
// order of the nodes; decorate(item, node, level) may style each item as it is made. The
// items are built off the widget and added at once: a long member's thousands of lines,
// added one by one, each made the view update.
template <typename Node, typename IconOf, typename Decorate>
std::vector<QTreeWidgetItem*> FillTree(QTreeWidget* tree, const std::vector<Node>& nodes,
                                       IconOf iconOf, Decorate decorate) {
  tree->clear();
  std::vector<QTreeWidgetItem*> items;
  items.reserve(nodes.size());
  QList<QTreeWidgetItem*> topLevel;
  std::vector<QTreeWidgetItem*> lastOfLevel;
  for (const Node& node : nodes) {
    const int level = node.level < 0 ? 0 : node.level;
    QTreeWidgetItem* parent = level > 0 && level <= static_cast<int>(lastOfLevel.size())
                                  ? lastOfLevel[level - 1]
                                  : nullptr;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem();
    if (!parent) topLevel << item;
    item->setText(0, QString::fromStdString(node.text));
    item->setIcon(0, iconOf(node.image));
    decorate(item, node, level);
    items.push_back(item);
    lastOfLevel.resize(static_cast<std::size_t>(level) + 1);
    lastOfLevel[static_cast<std::size_t>(level)] = item;
  }
  tree->addTopLevelItems(topLevel);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (nodes[i].expanded) items[i]->setExpanded(true);  // new items start collapsed
  return items;
}

template <typename Node, typename IconOf>
std::vector<QTreeWidgetItem*> FillTree(QTreeWidget* tree, const std::vector<Node>& nodes,
                                       IconOf iconOf) {
  return FillTree(tree, nodes, iconOf, [](QTreeWidgetItem*, const Node&, int) {});
}

// The node an item stands for, -1 for an item not among them.
inline int NodeOfItem(const std::vector<QTreeWidgetItem*>& items, const QTreeWidgetItem* item) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == item) return static_cast<int>(i);
  return -1;
}

// Makes node the tree's current item, as the user's click would; nothing for a node out of range.
inline void SelectTreeNode(QTreeWidget* tree, const std::vector<QTreeWidgetItem*>& items,
                           int node) {
  if (node >= 0 && node < static_cast<int>(items.size()))
    tree->setCurrentItem(items[static_cast<std::size_t>(node)]);
}

}  // namespace qv
