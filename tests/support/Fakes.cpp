#include "Fakes.h"

std::optional<PowerAssertions::Id> FakePowerAssertions::create(PowerAssertionType type, const QString& name)
{
    if (refuseCreate)
        return std::nullopt;
    const Id id = m_next++;
    held.emplace(id, type);
    names << name;
    return id;
}

bool FakePowerAssertions::release(Id id)
{
    if (refuseRelease || held.erase(id) == 0)
        return false;
    released.push_back(id);
    return true;
}

int FakePowerAssertions::heldCount(PowerAssertionType type) const
{
    int count = 0;
    for (const auto& [id, heldType] : held)
        count += heldType == type;
    return count;
}

NotificationCenter::Id FakeNotificationCenter::deliver(const UserNotificationContent& content)
{
    const Id id = m_next++;
    shown.emplace(id, content);
    delivered.emplace_back(id, content);
    return id;
}

void FakeNotificationCenter::remove(Id id)
{
    if (shown.erase(id))
        removed.push_back(id);
}

Expected<void, PlatformError> FakeScriptTasks::execute(const QString& filePath)
{
    if (failWith)
        return unexpected(*failWith);
    executed << filePath;
    return {};
}

namespace {

class ScriptedAlert final : public Alert
{
public:
    ScriptedAlert(ScriptedAlerts& owner, AlertContent content)
        : m_owner(owner)
        , m_content(std::move(content))
    { }

    AlertResponse runModal() override
    {
        m_owner.shown.push_back(m_content);
        if (m_owner.responders.empty())
            return {};
        auto responder = std::move(m_owner.responders.front());
        m_owner.responders.pop_front();
        AlertResponse response = responder(m_content, *this);
        if (m_clicked)
            response.returnCode = *m_clicked;
        return response;
    }

    void clickButton(int index) override { m_clicked = AlertResponse::firstButtonReturn + index; }

private:
    ScriptedAlerts& m_owner;
    AlertContent m_content;
    std::optional<int> m_clicked;
};

} // namespace

std::unique_ptr<Alert> ScriptedAlerts::make(const AlertContent& content)
{
    return std::make_unique<ScriptedAlert>(*this, content);
}

void ScriptedAlerts::respond(AlertResponse response)
{
    responders.push_back([response](const AlertContent&, Alert&) { return response; });
}
