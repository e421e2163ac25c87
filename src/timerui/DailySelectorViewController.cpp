#include "timerui/DailySelectorViewController.h"

#include "engine/Scheduler.h"
#include "engine/TimerDaily.h"
#include "timerui/SegmentedControl.h"

#include <QVBoxLayout>

DailySelectorViewController::DailySelectorViewController(
    std::shared_ptr<Scheduler> scheduler, QWidget* parent)
    : QWidget(parent, Qt::Popup)
    , m_scheduler(std::move(scheduler))
    , m_daysSegment(
          new SegmentedControl(int(indexToDays.size()), SegmentedControl::Tracking::SelectAny, this))
{
    const QString labels[] = { tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat"), tr("Sun") };
    const QString names[] = { tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"), tr("Friday"),
        tr("Saturday"), tr("Sunday") };
    for (int i = 0; i < m_daysSegment->segmentCount(); ++i) {
        m_daysSegment->setLabel(labels[i], i);
        m_daysSegment->setToolTip(names[i], i);
        m_daysSegment->setTag(indexToDays[size_t(i)], i);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_daysSegment);
    connect(m_daysSegment, &SegmentedControl::activated, this, [this] { selectDays(); });
    viewDidLoad();
}

DailySelectorViewController::~DailySelectorViewController() = default;

void DailySelectorViewController::showBelow(QWidget* anchor)
{
    adjustSize();
    if (anchor)
        move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
}

void DailySelectorViewController::viewDidLoad()
{
    m_daysSegment->setSelectedSegment(-1);
    for (const auto& [day, selected] : m_scheduler->days()) {
        if (!selected)
            continue;
        for (int i = 0; i < m_daysSegment->segmentCount(); ++i) {
            if (m_daysSegment->tagForSegment(i) == timerDailyRawValue(day))
                m_daysSegment->setSelected(true, i);
        }
    }
}

void DailySelectorViewController::selectDays()
{
    bool anySelected = false;
    for (int i = 0; i < m_daysSegment->segmentCount(); ++i)
        anySelected = anySelected || m_daysSegment->isSelectedForSegment(i);
    // A daily timer needs at least one day: clearing the last one is undone.
    if (!anySelected)
        m_daysSegment->setSelected(true, m_daysSegment->selectedSegment());

    TimerDays days;
    for (int i = 0; i < m_daysSegment->segmentCount(); ++i) {
        if (const auto day = timerDailyFromRawValue(indexToDays[size_t(i)]))
            days[*day] = m_daysSegment->isSelectedForSegment(i);
    }
    m_scheduler->setDays(days);
}
