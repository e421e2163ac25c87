#pragma once

#include <QDBusArgument>
#include <QMetaType>
#include <QString>
#include <QStringList>

// One method call that the fake services received. Each argument is written as its D-Bus
// signature, a space and its value ("b true", "y 2", "as [a, b]", "a{sv} {urgency: y 2}"), so that
// tests see the wire types.
struct RecordedCall
{
    QString path;
    QString interface;
    QString member;
    QStringList arguments;

    // "path interface.member(argument, …)"
    QString toString() const;

    static QString renderArgument(const QVariant& argument);
};

Q_DECLARE_METATYPE(RecordedCall)

QDBusArgument& operator<<(QDBusArgument& argument, const RecordedCall& call);
const QDBusArgument& operator>>(const QDBusArgument& argument, RecordedCall& call);
