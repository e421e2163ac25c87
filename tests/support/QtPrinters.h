#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <ostream>

// Readable failure messages for the Qt values that tests compare.
inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODateWithMs).toStdString();
}
