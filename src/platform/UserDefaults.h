#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// A typed key of the user-defaults store: Bool, Int or String.
template<typename T> struct DefaultsKey
{
    const char* name;
    QString key() const { return QLatin1String(name); }
};

// The user-defaults store of the application. Absent keys read false, 0 and "".
class UserDefaults
{
public:
    virtual ~UserDefaults();

    bool get(const DefaultsKey<bool>& key) const;
    int get(const DefaultsKey<int>& key) const;
    QString get(const DefaultsKey<QString>& key) const;

    void set(const DefaultsKey<bool>& key, bool value) { setValue(key.key(), value); }
    void set(const DefaultsKey<int>& key, int value) { setValue(key.key(), value); }
    void set(const DefaultsKey<QString>& key, const QString& value) { setValue(key.key(), value); }

    template<typename T> bool contains(const DefaultsKey<T>& key) const { return containsKey(key.key()); }

    // Removes every key of the application's domain, also keys that Quillet does not know.
    virtual void removeAll() = 0;
    virtual QStringList allKeys() const = 0;

    // Untyped access; a stored value is on disk when setValue returns.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual bool containsKey(const QString& key) const = 0;
};
