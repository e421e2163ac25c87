#pragma once

#include "platform/UserDefaults.h"

#include <QSettings>

// The user-defaults store as an INI file that a person can read (QSettings). Every write is
// synced to disk before the setter returns.
class SettingsUserDefaults final : public UserDefaults
{
public:
    explicit SettingsUserDefaults(const QString& filePath);

    void removeAll() override;
    QStringList allKeys() const override;
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    bool containsKey(const QString& key) const override;

    QString fileName() const { return m_settings.fileName(); }

private:
    void sync();

    mutable QSettings m_settings;
};
