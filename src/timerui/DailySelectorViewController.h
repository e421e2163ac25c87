#pragma once

#include <QWidget>

#include <array>
#include <memory>

class Scheduler;
class SegmentedControl;

// The weekday selector of a daily timer: a popup with one segment per weekday, Monday first. It
// shows the timer's days when it is made and writes all seven days on every change.
class DailySelectorViewController : public QWidget
{
    Q_OBJECT

public:
    // Segment index -> weekday number (1 Sunday ... 7 Saturday).
    static constexpr std::array<int, 7> indexToDays { 2, 3, 4, 5, 6, 7, 1 };

    explicit DailySelectorViewController(std::shared_ptr<Scheduler> scheduler, QWidget* parent = nullptr);
    ~DailySelectorViewController() override;

    // Opens the popup under `anchor`, left-aligned with it.
    void showBelow(QWidget* anchor);

    SegmentedControl* daysSegment() const { return m_daysSegment; }
    const std::shared_ptr<Scheduler>& scheduler() const { return m_scheduler; }

private:
    void viewDidLoad();
    void selectDays();

    std::shared_ptr<Scheduler> m_scheduler;
    SegmentedControl* m_daysSegment; // child
};
