#include "timerui/SchedulerViewController.h"

#include "engine/ExecutionDate.h"
#include "engine/Scheduler.h"
#include "engine/UserNotification.h"
#include "persistence/ScriptsModel.h"
#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/DateComponentsFormatter.h"
#include "platform/DefaultsKeys.h"
#include "platform/Log.h"
#include "platform/MenuOperations.h"
#include "platform/Platform.h"
#include "platform/UserDefaults.h"
#include "timerui/DailySelectorViewController.h"
#include "timerui/DatePicker.h"
#include "timerui/SchedulerWindowController.h"
#include "timerui/SegmentedControl.h"
#include "timerui/TimerUiIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double modeLabelInterval = 1.0;
constexpr double countdownInterval = 0.5;
constexpr double failsafeInterval = 10.0;
constexpr int scriptManagerItemTag = 0;

std::optional<ActionsList> actionOfSegment(int segment)
{
    switch (segment) {
    case 0:
        return ActionsList::ShutDown();
    case 1:
        return ActionsList::Restart();
    case 2:
        return ActionsList::Sleep();
    case 3:
        return ActionsList::LogOut();
    default:
        return std::nullopt;
    }
}

int segmentOfAction(const ActionsList& action)
{
    switch (action.kind()) {
    case ActionsList::Case::ShutDown:
        return 0;
    case ActionsList::Case::Restart:
        return 1;
    case ActionsList::Case::Sleep:
        return 2;
    case ActionsList::Case::LogOut:
        return 3;
    case ActionsList::Case::Script:
        break;
    }
    return -1;
}

QString durationText(double seconds)
{
    return DateComponentsFormatter()
        .stringFromTimeIntervalWithFormat(
            DateComponentsFormatter::Hour | DateComponentsFormatter::Minute | DateComponentsFormatter::Second,
            seconds)
        .value_or(QString());
}

QDateTime now()
{
    return Platform::clock().now();
}

} // namespace

SchedulerViewController::SchedulerViewController(QWidget* parent)
    : QWidget(parent)
    , m_timePicker(new DatePicker(this))
    , m_actionMenu(new SegmentedControl(segmentCount, SegmentedControl::Tracking::SelectOne, this))
    , m_startButton(new QPushButton(this))
    , m_modeLabel(new QPushButton(this))
    , m_customActionMenu(new QMenu(this))
{
    // viewDidLoad
    m_timePicker->setLocale(QLocale(QStringLiteral("en_GB")));
    QFont pickerFont = m_timePicker->font();
    pickerFont.setPointSizeF(pickerFont.pointSizeF() * 2.2);
    m_timePicker->setFont(pickerFont);
    m_timePicker->setAlignment(Qt::AlignCenter);
    m_timePicker->setDateValue(startOfToday());

    m_actionMenu->setLabel(tr("Shutdown", "Action selector"), 0);
    m_actionMenu->setLabel(tr("Restart", "Action selector"), 1);
    m_actionMenu->setLabel(tr("Sleep", "Action selector"), 2);
    m_actionMenu->setImage(TimerUiIcons::icon(QStringLiteral("logOut")), 3);
    m_actionMenu->setToolTip(tr("Log Out, or a script (click again)", "Action selector"), 3);
    m_actionMenu->setMenu(m_customActionMenu, 3);
    m_actionMenu->setSelectedSegment(-1);

    m_scriptManagerItem = m_customActionMenu->addAction(tr("Script Manager…", "Action selector"));
    MenuOperations::setTag(m_scriptManagerItem, scriptManagerItemTag);
    m_scriptManagerItem->setCheckable(true);
    // The script manager arrives with the scripts; until then the item is there and disabled.
    m_scriptManagerItem->setEnabled(false);
    connect(m_scriptManagerItem, &QAction::triggered, this, [this] { openScriptManagerPopover(); });
    connect(m_customActionMenu, &QMenu::aboutToShow, this, [this] { menuWillOpen(); });
    connect(m_customActionMenu, &QMenu::aboutToHide, this, [this] { menuDidClose(); });

    m_modeLabel->setFlat(true);
    // Disabled only because it opens nothing outside Daily mode: it must still read as a label.
    QPalette labelPalette = m_modeLabel->palette();
    labelPalette.setColor(
        QPalette::Disabled, QPalette::ButtonText, labelPalette.color(QPalette::Active, QPalette::WindowText));
    m_modeLabel->setPalette(labelPalette);
    m_modeLabel->setText(QStringLiteral("At 00:00:00"));
    m_modeLabel->setEnabled(false);
    m_startButton->setText(tr("Start", "Start button"));
    m_startButton->setDefault(true);
    m_startButton->setEnabled(false);

    connect(m_timePicker, &DatePicker::userChangedValue, this, [this] { setCountDownTimer(); });
    connect(m_actionMenu, &SegmentedControl::activated, this,
        [this](int segment) { actionMainSelector(segment); });
    connect(m_startButton, &QPushButton::clicked, this, [this] { startButtonClicked(); });
    connect(m_modeLabel, &QPushButton::clicked, this, [this] { openDailySelector(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(m_timePicker);
    layout->addWidget(m_modeLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_actionMenu, 0, Qt::AlignHCenter);
    layout->addWidget(m_startButton);
}

SchedulerViewController::~SchedulerViewController()
{
    if (m_scheduler && m_scheduler->delegate() == this)
        m_scheduler->setDelegate(nullptr);
}

void SchedulerViewController::setScheduler(std::shared_ptr<Scheduler> scheduler)
{
    if (m_scheduler && m_scheduler->delegate() == this)
        m_scheduler->setDelegate(nullptr);
    m_scheduler = std::move(scheduler);
    m_scheduler->setDelegate(this);
    // A new timer gets its mode before the view holds it: show that mode's state from the start.
    applyModeState(m_scheduler->mode());
    if (m_scheduler->actionType())
        timerDidChangeAction(*m_scheduler->actionType());
}

QString SchedulerViewController::label() const
{
    const TimerMode mode = m_scheduler ? m_scheduler->mode() : TimerMode::Relative;
    return isCountdownMode(mode) ? QStringLiteral("At") : QStringLiteral("In");
}

QDateTime SchedulerViewController::startOfToday() const
{
    return QDateTime(now().date(), QTime(0, 0));
}

void SchedulerViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    viewWillAppear();
}

void SchedulerViewController::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Nothing to show while hidden: an idle program with closed windows wakes only for its timers.
    m_modeLabelTimer.reset();
    m_countdownTimer.reset();
}

void SchedulerViewController::viewWillAppear()
{
    if (!m_scheduler)
        return;
    setStartButtonLabel();
    if (m_scheduler->actionType())
        timerDidChangeAction(*m_scheduler->actionType());
    setModeLabel();
    m_modeLabelTimer = Platform::runLoop().repeating(modeLabelInterval, [this] { setModeLabel(); });
    if (m_scheduler->isRunning())
        startCountdownIfNeeded();
}

void SchedulerViewController::updateStartButtonEnabling()
{
    m_startButton->setEnabled(m_scheduler && m_scheduler->canStart());
}

void SchedulerViewController::actionMainSelector(int segment)
{
    m_scheduler->setActionType(actionOfSegment(segment));
    updateStartButtonEnabling();
}

void SchedulerViewController::actionCustomSelector(const QString& scriptId)
{
    m_scheduler->setActionType(ActionsList::Script(scriptId));
}

void SchedulerViewController::didSelectScript(const ActionsList& action)
{
    m_scheduler->setActionType(action);
}

void SchedulerViewController::openScriptManagerPopover()
{
    // The script manager is not part of Quillet yet.
}

void SchedulerViewController::openDailySelector()
{
    if (!m_scheduler || m_scheduler->mode() != TimerMode::Daily)
        return;
    if (m_dailySelector)
        m_dailySelector->deleteLater();
    m_dailySelector = new DailySelectorViewController(m_scheduler, this);
    m_dailySelector->setAttribute(Qt::WA_DeleteOnClose);
    m_dailySelector->showBelow(m_modeLabel);
}

void SchedulerViewController::setCountDownTimer()
{
    m_timePicker->setKeepAtCurrentDate(false);
    setTime();
    updateStartButtonEnabling();
}

void SchedulerViewController::setTime()
{
    Scheduler& timer = *m_scheduler;
    const QDateTime picked = m_timePicker->dateValue();
    switch (timer.mode()) {
    case TimerMode::Absolute:
        timer.setExecuteAt(ExecutionDate::absolute(picked, now()));
        break;
    case TimerMode::Daily:
        // With no day selected there is no next day; the start button then stays disabled.
        timer.setExecuteAt(ExecutionDate::daily(timer.days(), picked.time(), now()));
        break;
    case TimerMode::Relative:
    case TimerMode::Repeat:
        if (!timer.isReseting())
            timer.setLength(ExecutionDate::lengthOfPickedTime(picked.time()));
        timer.setExecuteAt(ExecutionDate::countdown(*timer.length(), now()));
        break;
    }
}

void SchedulerViewController::setModeLabel()
{
    if (!m_scheduler)
        return;
    if (!m_scheduler->isRunning())
        setTime();
    const std::optional<QDateTime>& executeAt = m_scheduler->executeAt();
    QString figure = QStringLiteral("00:00:00");
    if (executeAt) {
        if (isCountdownMode(m_scheduler->mode()))
            figure = QLocale().toString(*executeAt, QStringLiteral("HH:mm:ss"));
        else
            figure = durationText(now().msecsTo(*executeAt) / 1000.0);
    }
    m_modeLabel->setText(label() + QLatin1Char(' ') + figure);
}

void SchedulerViewController::setStartButtonLabel()
{
    const bool running = m_scheduler && m_scheduler->isRunning();
    m_startButton->setText(running ? tr("Stop", "Start button") : tr("Start", "Start button"));
}

void SchedulerViewController::startButtonClicked()
{
    Scheduler& timer = *m_scheduler;
    if (timer.isRunning()) {
        timer.stopWithUser(true);
        return;
    }
    const std::optional<ActionsList>& action = timer.actionType();
    const bool interrupts = action
        && (action->kind() == ActionsList::Case::ShutDown || action->kind() == ActionsList::Case::Restart);
    if (interrupts && !Platform::defaults().get(DefaultsKeys::supressInterruptionWarning)) {
        AlertContent content;
        content.style = AlertContent::Style::Informational;
        content.messageText = QCoreApplication::translate(
            "SchedulerViewController", "Quit all applications", "Alert - Window");
        content.informativeText = QCoreApplication::translate("SchedulerViewController",
            "Quit all unnecesary applications, and save all documents to prevent interruption of %1.",
            "Alert - Window")
                                      .arg(action->caseName());
        content.showsSuppressionButton = true;
        const AlertResponse response = Platform::alerts().make(content)->runModal();
        if (response.suppressionChecked)
            Platform::defaults().set(DefaultsKeys::supressInterruptionWarning, true);
    }
    setTime();
    if (auto scheduled = timer.schedule(); !scheduled)
        Log::system(scheduled.error().localizedDescription());
}

void SchedulerViewController::setModeButtonEnabled(bool enabled)
{
    if (m_window)
        m_window->setModeButtonEnabled(enabled);
}

void SchedulerViewController::timerDidStart()
{
    setStartButtonLabel();
    setModeButtonEnabled(false);
    if (isCountdownMode(m_scheduler->mode())) {
        startCountdownIfNeeded();
    } else {
        m_timePicker->setKeepAtCurrentDate(false);
        m_timePicker->setDateValue(*m_scheduler->executeAt());
    }
    m_failsafeTimer = Platform::runLoop().repeating(failsafeInterval, [this] { failsafeTick(); });
    // Running, the label only reads the timer; shown now rather than at the next refresh.
    setModeLabel();
}

void SchedulerViewController::startCountdownIfNeeded()
{
    if (m_countdownTimer || !isCountdownMode(m_scheduler->mode()) || !isVisible())
        return;
    refreshCountdown();
    m_countdownTimer = Platform::runLoop().repeating(countdownInterval, [this] { refreshCountdown(); });
}

void SchedulerViewController::refreshCountdown()
{
    if (m_scheduler->executeAt())
        m_timePicker->setDateValue(startOfToday().addMSecs(now().msecsTo(*m_scheduler->executeAt())));
}

void SchedulerViewController::failsafeTick()
{
    const std::optional<QDateTime>& executeAt = m_scheduler->executeAt();
    // A running timer has its armed action.
    if (!executeAt || *executeAt >= now() || !m_scheduler->action())
        return;
    const QString name = m_scheduler->action()->action.displayName();
    m_failsafeNotification = UserNotification::make(QStringLiteral("Quillet"),
        QCoreApplication::translate(
            "SchedulerViewController", "Action %1 did not executed, sorry", "Notifiation")
            .arg(name));
    m_failsafeNotification->scheduleInternallyAt(now());
    m_scheduler->stopWithUser(false);
}

void SchedulerViewController::timerDidStopWithUser(bool user)
{
    setStartButtonLabel();
    setModeButtonEnabled(true);
    m_countdownTimer.reset();
    m_failsafeTimer.reset();

    const TimerMode mode = m_scheduler->mode();
    if (!user) {
        if (isCountdownMode(mode))
            m_timePicker->setDateValue(startOfToday());
        else
            m_timePicker->setDateValue(QDateTime(now().date(), m_timePicker->dateValue().time()));
    }
    m_timePicker->setKeepAtCurrentDate(mode == TimerMode::Absolute && !m_scheduler->isRunning());
    if (!user && (mode == TimerMode::Repeat || mode == TimerMode::Daily)) {
        m_scheduler->setIsReseting(true);
        setTime();
    }
}

void SchedulerViewController::applyModeState(TimerMode mode)
{
    m_modeLabel->setText((isCountdownMode(m_scheduler->mode()) ? QStringLiteral("At") : QStringLiteral("In"))
        + QStringLiteral(" 00:00:00"));
    if (mode == TimerMode::Absolute && !m_scheduler->isRunning()) {
        m_timePicker->setKeepAtCurrentDate(true);
        m_modeLabel->setEnabled(false);
    } else {
        m_timePicker->setKeepAtCurrentDate(false);
        m_modeLabel->setEnabled(mode == TimerMode::Daily);
    }
    m_timePicker->setDateValue(startOfToday());
}

void SchedulerViewController::timerDidChangeMode(TimerMode mode)
{
    applyModeState(mode);
    if (m_window)
        m_window->setModeImage(m_scheduler->mode());
}

void SchedulerViewController::timerDidChangeAction(const ActionsList& action)
{
    const int segment = action.isScript() ? m_actionMenu->segmentCount() - 1 : segmentOfAction(action);
    m_actionMenu->setImage(
        TimerUiIcons::icon(action.isScript() ? QStringLiteral("more") : QStringLiteral("logOut")), 3);
    m_actionMenu->setSelectedSegment(segment);
    if (!action.isScript())
        MenuOperations::allItemsStateTo(m_customActionMenu, 0);
    // The selector shows the timer's action as chosen: a click on the script segment then opens its menu
    // instead of choosing Log Out over the script.
    m_actionMenu->cell().takeAction(segment, m_actionMenu->menuForSegment(segment) != nullptr);
    updateStartButtonEnabling();
}

void SchedulerViewController::menuWillOpen()
{
    auto model = ScriptsModel::make();
    if (!model) {
        Log::system(model.error().localizedDescription());
        return;
    }
    const std::optional<ActionsList>& current = m_scheduler->actionType();
    for (const Scripts& script : model->getFavorites()) {
        auto* item = new QAction(script.name.section(QLatin1Char('.'), 0, 0), m_customActionMenu);
        MenuOperations::setTag(item, MenuOperations::generatedItemTag);
        item->setData(script.id);
        item->setCheckable(true);
        const QString id = script.id;
        connect(item, &QAction::triggered, this, [this, id] { actionCustomSelector(id); });
        if (current && current->isScript()) {
            if (current->scriptId() == script.id)
                item->setChecked(true);
            else
                m_scriptManagerItem->setChecked(true);
        }
        const QList<QAction*> items = m_customActionMenu->actions();
        m_customActionMenu->insertAction(items.isEmpty() ? nullptr : items.first(), item);
    }
}

void SchedulerViewController::menuDidClose()
{
    // Later: the menu hides before it triggers the chosen item.
    QPointer<QMenu> menu = m_customActionMenu;
    Platform::runLoop().after(0, [menu] {
        if (menu)
            MenuOperations::removeAllItemsWithTag(menu, MenuOperations::generatedItemTag);
    });
}
