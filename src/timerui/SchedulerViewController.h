#pragma once

#include "engine/ActionsList.h"
#include "engine/SchedulerStateDelegate.h"
#include "engine/TimerMode.h"
#include "platform/RunLoop.h"
#include "timerui/DailySelectorViewController.h"

#include <QPointer>
#include <QWidget>

#include <memory>


class DatePicker;
class QMenu;
class QPushButton;
class Scheduler;
class SchedulerWindowController;
class SegmentedControl;
class UserNotification;

// The content of a timer window: the time picker, the action selector, the mode label and the start
// button. It turns the picker and the mode into the timer's dates, starts and stops the timer, and
// shows its state: a running countdown counts down in the picker, a running clock-time timer shows its
// target; the mode label shows the other figure.
class SchedulerViewController : public QWidget, public SchedulerStateDelegate
{
    Q_OBJECT

public:
    // The action selector's segments: 0 ShutDown, 1 Restart, 2 Sleep, 3 LogOut (which also carries the
    // custom action menu).
    static constexpr int segmentCount = 4;

    explicit SchedulerViewController(QWidget* parent = nullptr);
    ~SchedulerViewController() override;

    const std::shared_ptr<Scheduler>& scheduler() const { return m_scheduler; }
    // The view holds the timer and becomes its delegate.
    void setScheduler(std::shared_ptr<Scheduler> scheduler);
    void setWindowController(SchedulerWindowController* window) { m_window = window; }

    // "In" for clock-time modes, "At" for countdowns.
    QString label() const;

    DatePicker* timePicker() const { return m_timePicker; }
    SegmentedControl* actionMenu() const { return m_actionMenu; }
    QPushButton* startButton() const { return m_startButton; }
    QPushButton* modeLabel() const { return m_modeLabel; }
    QMenu* customActionMenu() const { return m_customActionMenu; }
    DailySelectorViewController* dailySelector() const { return m_dailySelector; }

    void viewWillAppear();
    void actionMainSelector(int segment);
    void actionCustomSelector(const QString& scriptId);
    void openScriptManagerPopover();
    void openDailySelector();
    void setCountDownTimer();
    void startButtonClicked();
    void setTime();
    void setModeLabel();
    void setStartButtonLabel();
    void didSelectScript(const ActionsList& action);
    void menuWillOpen();
    void menuDidClose();

    void timerDidStart() override;
    void timerDidStopWithUser(bool user) override;
    void timerDidChangeMode(TimerMode mode) override;
    void timerDidChangeAction(const ActionsList& action) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateStartButtonEnabling();
    void applyModeState(TimerMode mode);
    void startCountdownIfNeeded();
    void refreshCountdown();
    void failsafeTick();
    void setModeButtonEnabled(bool enabled);
    QDateTime startOfToday() const;

    std::shared_ptr<Scheduler> m_scheduler;
    SchedulerWindowController* m_window = nullptr;

    DatePicker* m_timePicker;
    SegmentedControl* m_actionMenu;
    QPushButton* m_startButton;
    QPushButton* m_modeLabel;
    QMenu* m_customActionMenu;
    QAction* m_scriptManagerItem;
    QPointer<DailySelectorViewController> m_dailySelector;

    std::unique_ptr<RunLoopTimer> m_countdownTimer;
    std::unique_ptr<RunLoopTimer> m_failsafeTimer;
    std::unique_ptr<RunLoopTimer> m_modeLabelTimer;
    std::shared_ptr<UserNotification> m_failsafeNotification;
};
