#include "platform/UserDefaults.h"

UserDefaults::~UserDefaults() = default;

// A value of the wrong type (a hand-edited file) reads as if absent, except for the plain spellings of
// booleans and numbers that a person would write.
bool UserDefaults::get(const DefaultsKey<bool>& key) const
{
    const QVariant stored = value(key.key());
    if (stored.typeId() == QMetaType::Bool)
        return stored.toBool();
    const QString text = stored.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1");
}

int UserDefaults::get(const DefaultsKey<int>& key) const
{
    bool ok = false;
    const int number = value(key.key()).toString().trimmed().toInt(&ok);
    return ok ? number : 0;
}

QString UserDefaults::get(const DefaultsKey<QString>& key) const
{
    const QVariant stored = value(key.key());
    return stored.canConvert<QString>() ? stored.toString() : QString();
}
