#pragma once

#include <QString>

// Where the fake services offer their control interface to the tests.
namespace FakeServicesControl {

inline QString service()
{
    return QStringLiteral("com.Vendane.QuilletTest.FakeServices");
}

inline QString path()
{
    return QStringLiteral("/com/Vendane/QuilletTest/FakeServices");
}

inline QString interface()
{
    return QStringLiteral("com.Vendane.QuilletTest.FakeServices");
}

} // namespace FakeServicesControl
