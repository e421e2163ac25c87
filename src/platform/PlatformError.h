#pragma once

#include <QString>
#include <QVariantMap>

// The platform's error object: a domain, a code and a user-info map, as handed to the
// crash-reporting client and written to the logs.
struct PlatformError
{
    QString domain;
    int code = 0;
    QVariantMap userInfo;
    QString description; // what the logs show

    QString localizedDescription() const
    {
        if (!description.isEmpty())
            return description;
        return QStringLiteral("The operation couldn't be completed. (%1 error %2.)").arg(domain).arg(code);
    }
};
