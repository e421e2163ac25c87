#include "timerui/SegmentedControl.h"

#include <QAbstractButton>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAre;

namespace {

class SegmentedControlTest : public testing::Test
{
protected:
    void click(SegmentedControl& control, int segment)
    {
        QTest::mouseClick(control.buttonForSegment(segment), Qt::LeftButton);
    }

    static std::vector<int> activatedSegments(const QSignalSpy& spy)
    {
        std::vector<int> segments;
        for (const QList<QVariant>& arguments : spy)
            segments.push_back(arguments.at(0).toInt());
        return segments;
    }

    static std::vector<bool> selection(const SegmentedControl& control)
    {
        std::vector<bool> selected;
        for (int i = 0; i < control.segmentCount(); ++i)
            selected.push_back(control.isSelectedForSegment(i));
        return selected;
    }
};

// The action selector: four segments, a menu on the last one.
TEST_F(SegmentedControlTest, ClickingTheSelectedMenuSegmentOpensItsMenuInsteadOfSendingTheAction)
{
    SegmentedControl control(4, SegmentedControl::Tracking::SelectOne);
    QMenu menu;
    menu.addAction(QStringLiteral("Scripts…"));
    control.setMenu(&menu, 3);
    control.show();
    QSignalSpy activated(&control, &SegmentedControl::activated);

    click(control, 0);
    click(control, 3);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_THAT(activatedSegments(activated), ElementsAre(0, 3));

    click(control, 3);
    EXPECT_TRUE(menu.isVisible());
    menu.close();
    EXPECT_THAT(activatedSegments(activated), ElementsAre(0, 3));
    EXPECT_EQ(control.selectedSegment(), 3);
    EXPECT_EQ(control.cell().previousSelectedSegment(), 3);
    EXPECT_THAT(selection(control), ElementsAre(false, false, false, true));

    // A segment without a menu sends its action on every click.
    click(control, 1);
    click(control, 1);
    EXPECT_THAT(activatedSegments(activated), ElementsAre(0, 3, 1, 1));
    EXPECT_THAT(selection(control), ElementsAre(false, true, false, false));

    // Selecting in code reads no action, so the next click on the menu segment sends one.
    control.setSelectedSegment(3);
    click(control, 3);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_THAT(activatedSegments(activated), ElementsAre(0, 3, 1, 1, 3));
}

TEST_F(SegmentedControlTest, SelectAnyTogglesTheClickedSegmentAndRemembersItAsSelected)
{
    SegmentedControl control(3, SegmentedControl::Tracking::SelectAny);
    control.show();
    QSignalSpy activated(&control, &SegmentedControl::activated);

    click(control, 0);
    click(control, 2);
    EXPECT_THAT(selection(control), ElementsAre(true, false, true));
    click(control, 2);
    EXPECT_THAT(selection(control), ElementsAre(true, false, false));
    EXPECT_EQ(control.selectedSegment(), 2);
    EXPECT_THAT(activatedSegments(activated), ElementsAre(0, 2, 2));

    control.setSelectedSegment(1);
    EXPECT_THAT(selection(control), ElementsAre(true, true, false));
    control.setSelectedSegment(-1);
    EXPECT_THAT(selection(control), ElementsAre(false, false, false));
    EXPECT_EQ(control.selectedSegment(), -1);
    EXPECT_EQ(activated.count(), 3);
}

TEST_F(SegmentedControlTest, SelectOneSettersKeepASingleSelection)
{
    SegmentedControl control(3, SegmentedControl::Tracking::SelectOne);
    control.setSelectedSegment(0);
    control.setSelected(true, 2);
    EXPECT_THAT(selection(control), ElementsAre(false, false, true));
    EXPECT_EQ(control.selectedSegment(), 2);
    control.setSelected(false, 2);
    EXPECT_THAT(selection(control), ElementsAre(false, false, false));
    EXPECT_EQ(control.selectedSegment(), -1);
}

} // namespace
