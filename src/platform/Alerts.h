#pragma once

#include <QString>
#include <QStringList>

#include <memory>

struct AlertContent
{
    enum class Style { Informational, Warning, Critical };

    QString messageText;
    QString informativeText;
    Style style = Style::Warning;
    QStringList buttons; // the first one is the default button; none gives one "OK" button
    bool showsSuppressionButton = false;
};

struct AlertResponse
{
    static constexpr int firstButtonReturn = 1000;

    int returnCode = firstButtonReturn; // 1000 + the index of the button
    bool suppressionChecked = false;
};

// A modal alert. clickButton() answers it while it runs, as if the user had clicked.
class Alert
{
public:
    virtual ~Alert();
    virtual AlertResponse runModal() = 0;
    virtual void clickButton(int index) = 0;
};

// Makes modal alerts: message boxes on the desktop, a scripted responder in tests.
class Alerts
{
public:
    virtual ~Alerts();
    virtual std::unique_ptr<Alert> make(const AlertContent& content) = 0;
};
