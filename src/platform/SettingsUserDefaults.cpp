#include "platform/SettingsUserDefaults.h"

#include "platform/Log.h"

SettingsUserDefaults::SettingsUserDefaults(const QString& filePath)
    : m_settings(filePath, QSettings::IniFormat)
{ }

void SettingsUserDefaults::removeAll()
{
    m_settings.clear();
    sync();
}

QStringList SettingsUserDefaults::allKeys() const
{
    return m_settings.allKeys();
}

QVariant SettingsUserDefaults::value(const QString& key) const
{
    return m_settings.value(key);
}

void SettingsUserDefaults::setValue(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, value);
    sync();
}

bool SettingsUserDefaults::containsKey(const QString& key) const
{
    return m_settings.contains(key);
}

void SettingsUserDefaults::sync()
{
    m_settings.sync();
    if (m_settings.status() == QSettings::AccessError)
        Log::system(QStringLiteral("Settings could not be written to %1").arg(m_settings.fileName()));
}
