#pragma once

// The click behaviour of a segmented control whose segments may carry a menu: clicking the menu
// segment that is already selected opens its menu instead of sending the action again.
class SegmentedCell
{
public:
    // The segment that was selected the last time the action was read; -1 before that.
    int previousSelectedSegment() const { return m_previousSelectedSegment; }

    // Reads the action for the click that left `selectedSegment` selected. False: no action, the
    // segment's menu opens instead. True: send the action; the segment is remembered.
    bool takeAction(int selectedSegment, bool selectedSegmentHasMenu);

private:
    int m_previousSelectedSegment = -1;
};
