#include "engine/UserNotification.h"

#include "engine/UserNotificationCenter.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

std::shared_ptr<UserNotification> UserNotification::make(const QString& title, const QString& content)
{
    return std::shared_ptr<UserNotification>(new UserNotification(title, content));
}

UserNotification::UserNotification(QString title, QString content)
    : m_title(std::move(title))
    , m_informativeText(std::move(content))
{ }

bool UserNotification::addAdditionalActionWithName(const QString& name)
{
    m_actionButtonTitle = name;
    m_hasActionButton = true;
    m_showsButtons = true;
    return true;
}

void UserNotification::scheduleInternallyAt(const QDateTime& date)
{
    const double seconds = std::max<qint64>(0, Platform::clock().now().msecsTo(date)) / 1000.0;
    std::weak_ptr<UserNotification> weakSelf = weak_from_this();
    setInternalTimer(Platform::runLoop().once(seconds, [weakSelf] {
        if (auto self = weakSelf.lock()) {
            self->m_deliveryDate = Platform::clock().now();
            UserNotificationCenter::defaultCenter().scheduleNotification(self);
        }
    }));
}

void UserNotification::scheduleAt(const QDateTime& date)
{
    m_deliveryDate = date;
    UserNotificationCenter::defaultCenter().scheduleNotification(shared_from_this());
}

void UserNotification::remove()
{
    UserNotificationCenter::defaultCenter().removeNotification(*this);
    if (m_internalTimer)
        m_internalTimer->invalidate();
}

void UserNotification::setInternalTimer(std::unique_ptr<RunLoopTimer> timer)
{
    if (timer)
        m_internalTimer = std::move(timer);
}

UserNotificationContent UserNotification::content() const
{
    return { m_title, m_informativeText, m_hasActionButton ? m_actionButtonTitle : QString() };
}
