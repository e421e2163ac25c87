#include "platform/MenuOperations.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(MenuOperations, RemoveAllItemsWithTagKeepsTheOthers)
{
    QMenu menu;
    for (int tag : { 5, 0, 5, 5 }) {
        QAction* item = menu.addAction(QString::number(tag));
        MenuOperations::setTag(item, tag);
    }
    MenuOperations::removeAllItemsWithTag(&menu, 5);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(MenuOperations::tag(menu.actions().first()), 0);
}

TEST(MenuOperations, AllItemsStateToOffLeavesNoItemMarked)
{
    QMenu menu;
    menu.addAction(QStringLiteral("a"));
    QAction* marked = menu.addAction(QStringLiteral("b"));
    marked->setCheckable(true);
    marked->setChecked(true);
    MenuOperations::allItemsStateTo(&menu, 0);
    for (QAction* item : menu.actions())
        EXPECT_FALSE(item->isChecked());
    MenuOperations::allItemsStateTo(&menu, 1);
    for (QAction* item : menu.actions())
        EXPECT_TRUE(item->isChecked());
}

} // namespace
