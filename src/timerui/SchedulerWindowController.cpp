#include "timerui/SchedulerWindowController.h"

#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "platform/MenuOperations.h"
#include "timerui/SchedulerViewController.h"
#include "timerui/TimerUiIcons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {

QPoint& lastCascadePoint()
{
    static QPoint point;
    return point;
}

QString modeTitle(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Relative:
        return QCoreApplication::translate("SchedulerWindowController", "Relative", "Mode menu");
    case TimerMode::Absolute:
        return QCoreApplication::translate("SchedulerWindowController", "Absolute", "Mode menu");
    case TimerMode::Repeat:
        return QCoreApplication::translate("SchedulerWindowController", "Repeat", "Mode menu");
    case TimerMode::Daily:
        return QCoreApplication::translate("SchedulerWindowController", "Daily", "Mode menu");
    }
    return {};
}

} // namespace

// Tells the controller when the user closes the window; the window is only hidden, its controller
// owns it.
class SchedulerWindowController::Window final : public QMainWindow
{
public:
    explicit Window(SchedulerWindowController& controller)
        : m_controller(controller)
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        QMainWindow::closeEvent(event);
        if (event->isAccepted() && m_controller.m_windowWillClose)
            m_controller.m_windowWillClose();
    }

private:
    SchedulerWindowController& m_controller;
};

SchedulerWindowController::SchedulerWindowController()
    : m_window(std::make_unique<Window>(*this))
    , m_viewController(new SchedulerViewController(m_window.get()))
    , m_modeButton(new QToolButton(m_window.get()))
    , m_modeMenu(new QMenu(m_modeButton))
{
    m_window->setWindowTitle(QStringLiteral("Quillet"));
    m_window->setWindowIcon(TimerUiIcons::neutralIcon(QStringLiteral("statusItem")));
    m_window->setCentralWidget(m_viewController);
    m_viewController->setWindowController(this);

    // Item 0 of the mode menu is the pull-down's title: here the button's own image.
    for (TimerMode mode : allTimerModes) {
        QAction* item = m_modeMenu->addAction(TimerUiIcons::modeIcon(mode), modeTitle(mode));
        item->setData(timerModeCaseName(mode));
        item->setCheckable(true);
    }
    m_modeButton->setMenu(m_modeMenu);
    m_modeButton->setPopupMode(QToolButton::InstantPopup);
    m_modeButton->setAutoRaise(true);
    m_modeButton->setToolTip(tr("Timer mode", "Mode menu"));
    m_modeButton->setIcon(TimerUiIcons::modeIcon(TimerMode::Relative));
    connect(m_modeMenu, &QMenu::aboutToShow, this, [this] { menuWillOpen(); });
    connect(m_modeMenu, &QMenu::triggered, this, [this](QAction* item) { modeSelected(item); });

    buildMainMenu();
    m_window->menuBar()->setCornerWidget(m_modeButton, Qt::TopRightCorner);
    m_window->adjustSize();
    m_window->setFixedSize(m_window->sizeHint());
}

SchedulerWindowController::~SchedulerWindowController() = default;

void SchedulerWindowController::buildMainMenu()
{
    QMenu* timers = m_window->menuBar()->addMenu(tr("&Timer", "Main menu"));
    auto command = [timers](const QString& title, const QKeySequence& shortcut,
                       std::shared_ptr<Scheduler> (SchedulerController::*make)()) {
        QAction* item = timers->addAction(title);
        item->setShortcut(shortcut);
        QObject::connect(item, &QAction::triggered, item, [make] {
            if (SchedulerController* registry = SchedulerController::shared())
                (registry->*make)();
        });
    };
    command(tr("New Timer", "Main menu"), QKeySequence::New, &SchedulerController::newTimer);
    command(tr("New Repeating Timer", "Main menu"), QKeySequence(tr("Ctrl+Shift+R", "Main menu")),
        &SchedulerController::newRepeatableTimer);
    command(tr("New Absolute Timer", "Main menu"), QKeySequence(tr("Ctrl+Shift+A", "Main menu")),
        &SchedulerController::newAbsoluteTimer);
    command(tr("New Daily Timer", "Main menu"), QKeySequence(tr("Ctrl+Shift+D", "Main menu")),
        &SchedulerController::newDailyTimer);
    timers->addSeparator();
    QAction* close = timers->addAction(tr("Close Window", "Main menu"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, m_window.get(), &QWidget::close);
    QAction* quit = timers->addAction(tr("Quit", "Main menu"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

QAction* SchedulerWindowController::modeItem(TimerMode mode) const
{
    return m_modeMenu->actions().value(timerModePosition(mode));
}

void SchedulerWindowController::menuWillOpen()
{
    const auto& scheduler = m_viewController->scheduler();
    if (!scheduler)
        return;
    const QString current = timerModeCaseName(scheduler->mode());
    for (QAction* item : m_modeMenu->actions()) {
        if (item->data().toString() == current)
            item->setChecked(true);
    }
}

void SchedulerWindowController::modeSelected(QAction* item)
{
    m_modeButton->setIcon(item ? item->icon() : QIcon());
    MenuOperations::allItemsStateTo(m_modeMenu, 0);
    if (!item)
        return;
    item->setChecked(true);
    const std::optional<TimerMode> mode = timerModeFromPosition(int(m_modeMenu->actions().indexOf(item)));
    Q_ASSERT(mode);
    if (mode && m_viewController->scheduler())
        m_viewController->scheduler()->setMode(*mode);
}

void SchedulerWindowController::setModeImage(TimerMode mode)
{
    const QAction* item = modeItem(mode);
    m_modeButton->setIcon(item ? item->icon() : QIcon());
}

void SchedulerWindowController::setModeButtonEnabled(bool enabled)
{
    m_modeButton->setEnabled(enabled);
}

void SchedulerWindowController::bindScheduler(const std::shared_ptr<Scheduler>& scheduler)
{
    m_viewController->setScheduler(scheduler);
}

void SchedulerWindowController::showWindow()
{
    if (!m_placed) {
        m_placed = true;
        m_window->move(cascadePoint());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool SchedulerWindowController::isWindowVisible() const
{
    return m_window->isVisible();
}

void SchedulerWindowController::setWindowWillClose(std::function<void()> handler)
{
    m_windowWillClose = std::move(handler);
}

QPoint SchedulerWindowController::cascadePoint()
{
    QPoint& last = lastCascadePoint();
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 800);
    if (last.isNull() || !screen.adjusted(0, 0, -300, -250).contains(last + QPoint(24, 24)))
        last = screen.topLeft() + QPoint(screen.width() / 3, screen.height() / 5);
    else
        last += QPoint(24, 24);
    return last;
}
