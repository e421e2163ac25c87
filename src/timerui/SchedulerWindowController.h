#pragma once

#include "engine/SchedulerWindow.h"
#include "engine/TimerMode.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class SchedulerViewController;

// The window of one timer: the timer view as content, the mode button at the top right corner (window
// managers draw the title bar, so it sits in the window's own menu bar) and the main menu with the
// new-timer commands.
class SchedulerWindowController : public QObject, public SchedulerWindow
{
    Q_OBJECT

public:
    SchedulerWindowController();
    ~SchedulerWindowController() override;

    QMainWindow* window() const { return m_window.get(); }
    SchedulerViewController* viewController() const { return m_viewController; }
    QToolButton* modeButton() const { return m_modeButton; }
    QMenu* modeMenu() const { return m_modeMenu; }
    // The items of the four modes, in the order Relative, Absolute, Repeat, Daily.
    QAction* modeItem(TimerMode mode) const;

    void menuWillOpen();
    void modeSelected(QAction* item);
    void setModeButtonEnabled(bool enabled);

    void bindScheduler(const std::shared_ptr<Scheduler>& scheduler) override;
    void showWindow() override;
    void setModeImage(TimerMode mode) override;
    bool hasWindow() const override { return true; }
    bool isWindowVisible() const override;
    void setWindowWillClose(std::function<void()> handler) override;

    // Where the next window opens: each one a little below and to the right of the previous one.
    static QPoint cascadePoint();

private:
    class Window;

    void buildMainMenu();

    std::unique_ptr<QMainWindow> m_window;
    SchedulerViewController* m_viewController;
    QToolButton* m_modeButton;
    QMenu* m_modeMenu;
    std::function<void()> m_windowWillClose;
    bool m_placed = false;
};
