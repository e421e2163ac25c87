#pragma once

#include "FakeServicesControl.h"
#include "RecordedCall.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMap>

#include <vector>

// Which desktop the fake plays: the services it answers for and how they behave.
struct FakeDesktopOptions
{
    bool logind = false;
    bool logindRefuses = false;
    bool notifications = false;
    bool notificationActions = true;
    bool screenSaver = false;
    QString screenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
    bool powerManagement = false;
    bool gnome = false;
    bool kde = false;
    bool xfce = false;
};

// Answers every call of the fake services on one connection, records them, and offers the control
// interface that tests use to look at them.
class FakeDesktop final : public QDBusVirtualObject
{
    Q_OBJECT

public:
    FakeDesktop(const FakeDesktopOptions& options, const QDBusConnection& connection);
    ~FakeDesktop() override;

    // The well-known names to own, the control name last.
    QStringList services() const;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct LogindInhibitor
    {
        int readEnd = -1;
        QString what;
        QString mode;
    };

    QDBusMessage answer(const QDBusMessage& call);
    QDBusMessage answerControl(const QDBusMessage& call);
    QDBusMessage answerLogind(const QDBusMessage& call);
    QDBusMessage answerNotifications(const QDBusMessage& call);
    QDBusMessage inhibit(const QDBusMessage& call, const QString& kind);
    QDBusMessage uninhibit(const QDBusMessage& call, const QString& kind);
    void forgetClosedLogindInhibitors();
    QStringList openInhibitors();
    QStringList inhibitorPipes();
    void emitSignal(const QString& member, const QVariantList& arguments);

    FakeDesktopOptions m_options;
    QDBusConnection m_connection;
    QList<RecordedCall> m_calls;
    std::vector<LogindInhibitor> m_logindInhibitors;
    QMap<quint32, QString> m_cookies; // cookie -> kind of inhibitor
    quint32 m_nextCookie = 41;
    quint32 m_nextNotification = 100;
};
