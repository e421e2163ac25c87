#include "timerui/SegmentedCell.h"

bool SegmentedCell::takeAction(int selectedSegment, bool selectedSegmentHasMenu)
{
    if (m_previousSelectedSegment == selectedSegment && selectedSegmentHasMenu)
        return false;
    m_previousSelectedSegment = selectedSegment;
    return true;
}
