#pragma once

class QAction;
class QMenu;

// Tags and states of menu items, as the menus of Quillet use them: items that a menu adds for itself
// carry the tag -1 and are removed by tag before they are added anew.
namespace MenuOperations {

inline constexpr int generatedItemTag = -1;

void setTag(QAction* item, int tag);
// 0 for an item that has none.
int tag(const QAction* item);

// Sets the state of every item: off 0, on 1, mixed -1 (shown as on). Used to clear a group of choices
// before one of them is marked.
void allItemsStateTo(QMenu* menu, int state);
// Removes and deletes every item whose tag equals the given one.
void removeAllItemsWithTag(QMenu* menu, int tag);

} // namespace MenuOperations
