#pragma once

#include <QDateTimeEdit>

#include <memory>

class RunLoopTimer;

// The time picker: shows hours, minutes and seconds of a full date and time. It can follow the
// current time until it is told to stop.
class DatePicker : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);
    ~DatePicker() override;

    QDateTime dateValue() const;
    // Programmatic: sends no userChangedValue.
    void setDateValue(const QDateTime& value);

    // While true the picker shows the current time, refreshed every half second.
    bool keepAtCurrentDate() const { return m_keepAtCurrentDate; }
    void setKeepAtCurrentDate(bool keep);

Q_SIGNALS:
    // The user changed the value, by typing or stepping.
    void userChangedValue();

private:
    std::unique_ptr<RunLoopTimer> m_keepTimer;
    bool m_keepAtCurrentDate = false;
    bool m_settingValue = false;
};
