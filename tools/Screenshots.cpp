// Takes the README's pictures of the timer windows with the real widgets, offscreen, at a fixed moment
// (Monday 7 December 2026, 12:00:00), so they can be made again after a change:
//
//   make screenshots        (writes docs/screenshots/*.png)
#include "TestPlatform.h"
#include "engine/ExecutionDate.h"
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "platform/DefaultsKeys.h"
#include "timerui/DailySelectorViewController.h"
#include "timerui/DatePicker.h"
#include "timerui/SchedulerViewController.h"
#include "timerui/SchedulerWindowController.h"
#include "timerui/TimerUi.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

namespace {

QString folder;

void save(const QPixmap& picture, const QString& name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

SchedulerWindowController* windowOf(const std::shared_ptr<Scheduler>& timer)
{
    return static_cast<SchedulerWindowController*>(timer->windowController());
}

void take(TestPlatform& platform, SchedulerController& registry, TimerMode mode, const QTime& picked,
    ActionsList action, const QString& name)
{
    auto timer = registry.createScheduler(mode, platform.now(), std::nullopt, action, true, false, std::nullopt);
    SchedulerWindowController* window = windowOf(timer);
    SchedulerViewController* view = window->viewController();
    view->timePicker()->setDateValue(QDateTime(platform.now().date(), picked));
    view->setCountDownTimer();
    platform.advance(1);
    save(window->window()->grab(), name + QStringLiteral("-idle"));

    view->startButtonClicked();
    platform.advance(3);
    save(window->window()->grab(), name + QStringLiteral("-running"));
    timer->stopWithUser(true);
    window->window()->close();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Berlin");
    QApplication application(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(folder);

    TestPlatform platform;
    TimerUi::registerControllers(*platform.storyboard);
    platform.defaults->set(DefaultsKeys::supressInterruptionWarning, true);
    platform.defaults->set(DefaultsKeys::secondsBeforeNotification, 30);
    SchedulerController registry;

    take(platform, registry, TimerMode::Relative, QTime(0, 25, 0), ActionsList::Sleep(), QStringLiteral("relative"));
    take(platform, registry, TimerMode::Absolute, QTime(23, 30, 0), ActionsList::ShutDown(), QStringLiteral("absolute"));
    take(platform, registry, TimerMode::Repeat, QTime(1, 0, 0), ActionsList::LogOut(), QStringLiteral("repeat"));
    take(platform, registry, TimerMode::Daily, QTime(7, 45, 0), ActionsList::Restart(), QStringLiteral("daily"));

    // The weekday selector, opened from the mode label of a daily timer, drawn under its window.
    auto daily = registry.createScheduler(TimerMode::Daily, platform.now(), std::nullopt, ActionsList::Sleep(), true,
        false, std::nullopt);
    TimerDays days = defaultTimerDays();
    days[TimerDaily::saturday] = false;
    days[TimerDaily::sunday] = false;
    daily->setDays(days);
    SchedulerWindowController* window = windowOf(daily);
    window->viewController()->timePicker()->setDateValue(QDateTime(platform.now().date(), QTime(7, 45)));
    window->viewController()->setCountDownTimer();
    platform.advance(1);
    window->viewController()->openDailySelector();
    DailySelectorViewController* selector = window->viewController()->dailySelector();
    const QPixmap windowPicture = window->window()->grab();
    const QPixmap selectorPicture = selector->grab();
    QPixmap combined(std::max(windowPicture.width(), selectorPicture.width()),
        windowPicture.height() + selectorPicture.height() + 8);
    combined.fill(Qt::transparent);
    QPainter painter(&combined);
    painter.drawPixmap(0, 0, windowPicture);
    painter.drawPixmap((combined.width() - selectorPicture.width()) / 2, windowPicture.height() + 8, selectorPicture);
    painter.end();
    save(combined, QStringLiteral("weekday-selector"));
    return 0;
}
