#pragma once

#include "platform/Alerts.h"

// Alerts as message boxes.
class MessageBoxAlerts final : public Alerts
{
public:
    std::unique_ptr<Alert> make(const AlertContent& content) override;
};
