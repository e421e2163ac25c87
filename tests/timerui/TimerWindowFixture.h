#pragma once

#include "TestPlatform.h"
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "platform/DefaultsKeys.h"
#include "timerui/DatePicker.h"
#include "timerui/SchedulerViewController.h"
#include "timerui/SchedulerWindowController.h"
#include "timerui/SegmentedControl.h"
#include "timerui/TimerUi.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// Real timer windows, offscreen, on virtual time.
class TimerWindowTest : public testing::Test
{
protected:
    TimerWindowTest()
    {
        TimerUi::registerControllers(*platform.storyboard);
        platform.defaults->set(DefaultsKeys::secondsBeforeNotification, 30);
    }

    struct Window
    {
        std::shared_ptr<Scheduler> timer;
        SchedulerWindowController* controller;
        SchedulerViewController* view;
    };

    Window open(std::optional<TimerMode> mode = std::nullopt)
    {
        auto timer = registry.createScheduler(mode, platform.now(), std::nullopt, std::nullopt, true, false,
            std::nullopt);
        auto* controller = static_cast<SchedulerWindowController*>(timer->windowController());
        return { timer, controller, controller->viewController() };
    }

    // Types the time into the picker as the user would, section by section.
    static void type(DatePicker* picker, const QTime& time)
    {
        const std::pair<QDateTimeEdit::Section, int> sections[]
            = { { QDateTimeEdit::HourSection, time.hour() }, { QDateTimeEdit::MinuteSection, time.minute() },
                  { QDateTimeEdit::SecondSection, time.second() } };
        for (const auto& [section, value] : sections) {
            picker->setSelectedSection(section);
            QTest::keyClicks(picker, QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
        }
    }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void chooseAction(const Window& window, int segment)
    {
        click(window.view->actionMenu()->buttonForSegment(segment));
    }

    static QString modeLabel(const Window& window) { return window.view->modeLabel()->text(); }
    static QString picker(const Window& window) { return window.view->timePicker()->text(); }

    QDateTime at(const QTime& time, int daysAhead = 0) const
    {
        return QDateTime(TestPlatform::defaultStart().date().addDays(daysAhead), time);
    }

    TestPlatform platform;
    SchedulerController registry;
};
