#pragma once

#include "timerui/SegmentedCell.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <vector>

class QAbstractButton;
class QMenu;
class QToolButton;

// A row of joined toggle buttons. SelectOne keeps exactly the clicked segment selected (the action
// selector); SelectAny toggles each clicked segment (the weekday selector). A segment may carry a
// menu, which the cell opens when the segment is clicked while already selected.
class SegmentedControl : public QWidget
{
    Q_OBJECT

public:
    enum class Tracking { SelectOne, SelectAny };

    SegmentedControl(int segmentCount, Tracking tracking, QWidget* parent = nullptr);
    ~SegmentedControl() override;

    int segmentCount() const { return int(m_segments.size()); }
    Tracking tracking() const { return m_tracking; }

    // SelectOne: the selected segment. SelectAny: the segment clicked or selected last, whatever its
    // state now. -1 for none.
    int selectedSegment() const { return m_selectedSegment; }
    // Programmatic, sends no action. -1 deselects every segment; in SelectAny mode any other segment
    // is selected in addition to those already selected.
    void setSelectedSegment(int segment);
    bool isSelectedForSegment(int segment) const;
    void setSelected(bool selected, int segment);

    void setImage(const QIcon& image, int segment);
    QIcon imageForSegment(int segment) const;
    void setLabel(const QString& label, int segment);
    QString labelForSegment(int segment) const;
    using QWidget::setToolTip;
    void setToolTip(const QString& toolTip, int segment);
    void setTag(int tag, int segment);
    int tagForSegment(int segment) const;
    // The control does not own the menu.
    void setMenu(QMenu* menu, int segment);
    QMenu* menuForSegment(int segment) const;

    QAbstractButton* buttonForSegment(int segment) const;
    SegmentedCell& cell() { return m_cell; }

Q_SIGNALS:
    // The control's action: a segment was clicked and the cell sends the action.
    void activated(int segment);

private:
    struct Segment
    {
        QToolButton* button = nullptr; // owned by the control
        int tag = 0;
        QPointer<QMenu> menu;
    };

    const Segment* segmentAt(int segment) const;
    Segment* segmentAt(int segment);
    void segmentClicked(int segment);
    void updateButtonStyle(int segment);

    std::vector<Segment> m_segments;
    Tracking m_tracking;
    int m_selectedSegment = -1;
    SegmentedCell m_cell;
};
