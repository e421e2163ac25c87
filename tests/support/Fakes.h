#pragma once

#include "platform/Alerts.h"
#include "platform/CrashReporter.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/PowerActions.h"
#include "platform/PowerAssertions.h"
#include "platform/ScriptTasks.h"
#include "platform/UserDefaults.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>

// Keeps every line of both outputs.
class CapturingLog final : public LogSink
{
public:
    void standardOutput(const QString& message) override { out << message; }
    void systemLog(const QString& message) override { system << message; }

    QStringList out;
    QStringList system;
};

class MemoryUserDefaults final : public UserDefaults
{
public:
    void removeAll() override { m_values.clear(); }
    QStringList allKeys() const override { return m_values.keys(); }
    QVariant value(const QString& key) const override { return m_values.value(key); }
    void setValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }
    bool containsKey(const QString& key) const override { return m_values.contains(key); }

private:
    QMap<QString, QVariant> m_values;
};

class RecordingCrashReporter final : public CrashReporter
{
public:
    void start() override { started = true; }
    void setDelegate(QObject*) override { }
    void setUserIdentifier(const QString& identifier) override { userIdentifier = identifier; }
    void recordError(const PlatformError& error) override { errors.push_back(error); }

    bool started = false;
    QString userIdentifier;
    std::vector<PlatformError> errors;
};

// Records the power actions; never performs one.
class RecordingPowerActions final : public PowerActions
{
public:
    void perform(PowerAction action) override { performed.push_back(action); }

    std::vector<PowerAction> performed;
};

// Hands out ids and remembers which assertions are held. `refuseCreate`/`refuseRelease` make the
// service refuse.
class FakePowerAssertions final : public PowerAssertions
{
public:
    std::optional<Id> create(PowerAssertionType type, const QString& name) override;
    bool release(Id id) override;
    void declareUserActivity(const QString& name) override { userActivity << name; }

    int heldCount(PowerAssertionType type) const;
    int heldCount() const { return int(held.size()); }

    std::map<Id, PowerAssertionType> held;
    std::vector<Id> released;
    QStringList names;
    QStringList userActivity;
    bool refuseCreate = false;
    bool refuseRelease = false;

private:
    Id m_next = 1;
};

// Shows notifications in a list; tests activate them by id.
class FakeNotificationCenter final : public NotificationCenter
{
public:
    Id deliver(const UserNotificationContent& content) override;
    void remove(Id id) override;

    // Activates a notification as the desktop would, also one that is not shown any more.
    void activate(Id id, NotificationActivation how = NotificationActivation::ActionButtonClicked)
    {
        activated(id, how);
    }

    // The notifications on screen now, in delivery order.
    std::map<Id, UserNotificationContent> shown;
    std::vector<std::pair<Id, UserNotificationContent>> delivered; // every delivery
    std::vector<Id> removed;

private:
    Id m_next = 1;
};

// Records the script files that would run; `failWith` makes the next ones fail.
class FakeScriptTasks final : public ScriptTasks
{
public:
    Expected<void, PlatformError> execute(const QString& filePath) override;

    QStringList executed;
    std::optional<PlatformError> failWith;
};

// Answers modal alerts from a queue of scripted responses, and remembers what was shown. With no
// response queued an alert is answered with its first button.
class ScriptedAlerts final : public Alerts
{
public:
    std::unique_ptr<Alert> make(const AlertContent& content) override;

    // Runs while the alert is "shown"; may click a button or return a response.
    using Responder = std::function<AlertResponse(const AlertContent&, Alert&)>;

    void respond(AlertResponse response);
    void respond(Responder responder) { responders.push_back(std::move(responder)); }

    std::vector<AlertContent> shown;
    std::deque<Responder> responders;
};
