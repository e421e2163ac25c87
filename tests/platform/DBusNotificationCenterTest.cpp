#include "platform/DBusNotificationCenter.h"

#include "FakeServices.h"
#include "TestPlatform.h"
#include "platform/NoticeWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

using Activation = std::pair<NotificationCenter::Id, NotificationActivation>;

const UserNotificationContent warning { QStringLiteral("Quillet"),
    QStringLiteral("Action Shutdown will execute soon!"), QStringLiteral("+10 min") };

// A notification center on the fake's bus that keeps every activation.
class DBusNotificationCenterTest : public testing::Test
{
protected:
    void start(const QStringList& flags)
    {
        fake.emplace(flags);
        ASSERT_TRUE(fake->ready());
        center.emplace(fake->connection());
        center->setActivationHandler([this](auto id, auto how) { activations.emplace_back(id, how); });
    }

    bool waitForActivations(size_t count)
    {
        return QTest::qWaitFor([&] { return activations.size() >= count; }, 10000);
    }

    TestPlatform platform;
    std::optional<FakeServices> fake;
    std::optional<DBusNotificationCenter> center;
    std::vector<Activation> activations;
};

TEST_F(DBusNotificationCenterTest, NotifiesWithTheActionsAndACriticalByteUrgency)
{
    start({ QStringLiteral("--notifications") });

    const auto id = center->deliver(warning);
    center->deliver({ QStringLiteral("Quillet"), QStringLiteral("No button"), {} });

    EXPECT_NE(id, 0u);
    EXPECT_THAT(describe(fake->calls(QStringLiteral("Notify"))),
        ElementsAre("/org/freedesktop/Notifications org.freedesktop.Notifications.Notify(s Quillet, u 0, "
                    "s com.Vendane.Quillet, s Quillet, s Action Shutdown will execute soon!, "
                    "as [default, Open, postpone, +10 min], "
                    "a{sv} {desktop-entry: s com.Vendane.Quillet, urgency: y 2}, i 0)",
            "/org/freedesktop/Notifications org.freedesktop.Notifications.Notify(s Quillet, u 0, "
            "s com.Vendane.Quillet, s Quillet, s No button, as [default, Open], "
            "a{sv} {desktop-entry: s com.Vendane.Quillet, urgency: y 2}, i 0)"));
    EXPECT_THAT(center->noticeWindows(), IsEmpty());
}

TEST_F(DBusNotificationCenterTest, RemoveClosesTheServersNotification)
{
    start({ QStringLiteral("--notifications") });
    center->deliver(warning);
    const auto second = center->deliver(warning);

    center->remove(second);
    center->remove(second);
    center->remove(4711);

    ASSERT_TRUE(fake->waitForCalls(QStringLiteral("CloseNotification")));
    EXPECT_THAT(describe(fake->calls(QStringLiteral("CloseNotification"))),
        ElementsAre("/org/freedesktop/Notifications org.freedesktop.Notifications.CloseNotification(u "
            + std::to_string(FakeServices::firstNotificationId + 1) + ")"));
}

// ActionInvoked goes to every program on the bus; only the ids that the server gave us count, and
// they reach the handler as our own ids.
TEST_F(DBusNotificationCenterTest, RoutesOnlyTheActivationsOfItsOwnNotifications)
{
    start({ QStringLiteral("--notifications") });
    const quint32 serverId = FakeServices::firstNotificationId;
    const auto id = center->deliver(warning);

    fake->emitActionInvoked(serverId + 7, QStringLiteral("postpone")); // another program's
    fake->emitActionInvoked(serverId, QStringLiteral("postpone"));
    fake->emitActionInvoked(serverId, QStringLiteral("default"));

    ASSERT_TRUE(waitForActivations(2));
    EXPECT_THAT(activations,
        ElementsAre(Activation { id, NotificationActivation::ActionButtonClicked },
            Activation { id, NotificationActivation::ContentClicked }));
}

TEST_F(DBusNotificationCenterTest, ForgetsANotificationThatTheServerClosed)
{
    start({ QStringLiteral("--notifications") });
    const quint32 serverId = FakeServices::firstNotificationId;
    center->deliver(warning);
    const auto later = center->deliver(warning);

    fake->emitNotificationClosed(serverId, 2);
    fake->emitActionInvoked(serverId, QStringLiteral("postpone"));
    fake->emitActionInvoked(serverId + 1, QStringLiteral("postpone"));

    ASSERT_TRUE(waitForActivations(1));
    EXPECT_THAT(activations, ElementsAre(Activation { later, NotificationActivation::ActionButtonClicked }));
}

class NoticeFallback : public DBusNotificationCenterTest, public testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        const QString flag = QString::fromLatin1(GetParam());
        start(flag.isEmpty() ? QStringList {} : QStringList { flag });
    }

    NoticeWindow* onlyNotice()
    {
        const auto windows = center->noticeWindows();
        return windows.size() == 1 ? windows.constFirst() : nullptr;
    }
};

TEST_P(NoticeFallback, ShowsItsOwnNoticeWithTheTextAndButton)
{
    center->deliver(warning);

    EXPECT_THAT(describe(fake->calls(QStringLiteral("Notify"))), IsEmpty());
    NoticeWindow* notice = onlyNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("title"))->text(), warning.title);
    EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("informativeText"))->text(), warning.informativeText);
    EXPECT_EQ(
        notice->findChild<QPushButton*>(QStringLiteral("actionButton"))->text(), warning.actionButtonTitle);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = notice->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y();
    EXPECT_GT(frame.left(), screen.center().x());
    EXPECT_LT(frame.top(), screen.center().y());
}

TEST_P(NoticeFallback, ClicksOnTheNoticeActivateItAndCloseIt)
{
    const auto button = center->deliver(warning);
    QTest::mouseClick(onlyNotice()->findChild<QPushButton*>(QStringLiteral("actionButton")), Qt::LeftButton);
    EXPECT_THAT(center->noticeWindows(), IsEmpty());

    const auto text = center->deliver(warning);
    QTest::mouseClick(onlyNotice()->findChild<QLabel*>(QStringLiteral("informativeText")), Qt::LeftButton);

    center->deliver(warning);
    QTest::mouseClick(onlyNotice()->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);

    EXPECT_THAT(activations,
        ElementsAre(Activation { button, NotificationActivation::ActionButtonClicked },
            Activation { text, NotificationActivation::ContentClicked }));
    EXPECT_THAT(center->noticeWindows(), IsEmpty());
}

TEST_P(NoticeFallback, RemoveClosesTheNotice)
{
    const auto id = center->deliver(warning);
    QPointer<NoticeWindow> notice = onlyNotice();
    ASSERT_TRUE(notice);

    center->remove(id);

    EXPECT_THAT(center->noticeWindows(), IsEmpty());
    EXPECT_TRUE(!notice || !notice->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Desktops, NoticeFallback, testing::Values("", "--notifications-without-actions"),
    [](const auto& info) { return std::string(*info.param ? "ServerWithoutActions" : "NoServer"); });

} // namespace
