#include "timerui/DatePicker.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/RunLoop.h"

#include <utility>

DatePicker::DatePicker(QWidget* parent)
    : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm:ss"));
    setTimeSpec(Qt::LocalTime);
    // Stepping past midnight must not move the date the value carries.
    setWrapping(false);
    // Every value change that does not come from setDateValue is the user's.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_settingValue)
            Q_EMIT userChangedValue();
    });
}

DatePicker::~DatePicker() = default;

QDateTime DatePicker::dateValue() const
{
    return dateTime();
}

void DatePicker::setDateValue(const QDateTime& value)
{
    const bool wasSetting = std::exchange(m_settingValue, true);
    setDateTime(value);
    m_settingValue = wasSetting;
}

void DatePicker::setKeepAtCurrentDate(bool keep)
{
    m_keepAtCurrentDate = keep;
    // Replacing the handle cancels a keep timer that still runs, so at most one follows the clock.
    m_keepTimer.reset();
    if (!keep)
        return;
    setDateValue(Platform::clock().now());
    m_keepTimer = Platform::runLoop().repeating(0.5, [this] { setDateValue(Platform::clock().now()); });
}
