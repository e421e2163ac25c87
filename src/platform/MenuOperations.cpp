#include "platform/MenuOperations.h"

#include <QAction>
#include <QMenu>

namespace {

const char* const tagProperty = "quilletTag";

} // namespace

void MenuOperations::setTag(QAction* item, int tag)
{
    item->setProperty(tagProperty, tag);
}

int MenuOperations::tag(const QAction* item)
{
    return item->property(tagProperty).toInt();
}

void MenuOperations::allItemsStateTo(QMenu* menu, int state)
{
    // A copy: the walk must not depend on what the loop changes.
    const QList<QAction*> items = menu->actions();
    for (QAction* item : items) {
        if (item->isSeparator())
            continue;
        item->setCheckable(true);
        item->setChecked(state != 0);
    }
}

void MenuOperations::removeAllItemsWithTag(QMenu* menu, int tagToRemove)
{
    const QList<QAction*> items = menu->actions();
    for (QAction* item : items) {
        if (tag(item) == tagToRemove) {
            menu->removeAction(item);
            if (item->parent() == menu)
                delete item;
        }
    }
}
