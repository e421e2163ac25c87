#include "RecordedCall.h"

#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>

namespace {

QString renderMap(const QVariantMap& map)
{
    QStringList entries;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        entries << it.key() + QStringLiteral(": ") + RecordedCall::renderArgument(it.value());
    return QStringLiteral("{") + entries.join(QStringLiteral(", ")) + QStringLiteral("}");
}

} // namespace

QString RecordedCall::toString() const
{
    return QStringLiteral("%1 %2.%3(%4)").arg(path, interface, member, arguments.join(QStringLiteral(", ")));
}

QString RecordedCall::renderArgument(const QVariant& argument)
{
    const QMetaType type = argument.metaType();
    switch (type.id()) {
    case QMetaType::Bool:
        return argument.toBool() ? QStringLiteral("b true") : QStringLiteral("b false");
    case QMetaType::UChar:
        return QStringLiteral("y ") + QString::number(argument.value<uchar>());
    case QMetaType::Short:
        return QStringLiteral("n ") + argument.toString();
    case QMetaType::UShort:
        return QStringLiteral("q ") + argument.toString();
    case QMetaType::Int:
        return QStringLiteral("i ") + argument.toString();
    case QMetaType::UInt:
        return QStringLiteral("u ") + argument.toString();
    case QMetaType::LongLong:
        return QStringLiteral("x ") + argument.toString();
    case QMetaType::ULongLong:
        return QStringLiteral("t ") + argument.toString();
    case QMetaType::Double:
        return QStringLiteral("d ") + argument.toString();
    case QMetaType::QString:
        return QStringLiteral("s ") + argument.toString();
    case QMetaType::QStringList:
        return QStringLiteral("as [") + argument.toStringList().join(QStringLiteral(", "))
            + QStringLiteral("]");
    case QMetaType::QVariantMap:
        return QStringLiteral("a{sv} ") + renderMap(argument.toMap());
    default:
        break;
    }
    if (type == QMetaType::fromType<QDBusVariant>())
        return QStringLiteral("v ") + renderArgument(argument.value<QDBusVariant>().variant());
    if (type == QMetaType::fromType<QDBusObjectPath>())
        return QStringLiteral("o ") + argument.value<QDBusObjectPath>().path();
    if (type == QMetaType::fromType<QDBusUnixFileDescriptor>())
        return QStringLiteral("h");
    if (type == QMetaType::fromType<QDBusArgument>()) {
        const auto dbusArgument = argument.value<QDBusArgument>();
        const QString signature = dbusArgument.currentSignature();
        if (signature == QLatin1String("a{sv}")) {
            QVariantMap map;
            dbusArgument >> map;
            return QStringLiteral("a{sv} ") + renderMap(map);
        }
        return signature + QStringLiteral(" …");
    }
    return QStringLiteral("? ") + argument.toString();
}

QDBusArgument& operator<<(QDBusArgument& argument, const RecordedCall& call)
{
    argument.beginStructure();
    argument << call.path << call.interface << call.member << call.arguments;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RecordedCall& call)
{
    argument.beginStructure();
    argument >> call.path >> call.interface >> call.member >> call.arguments;
    argument.endStructure();
    return argument;
}
