#pragma once

#include "platform/PowerActions.h"

// Logs each power action ("dry run: shut down") to standard output and the system log, shows it as a
// notification, and performs nothing. Installed with QUILLET_DRY_RUN=1.
class DryRunPowerActions final : public PowerActions
{
public:
    void perform(PowerAction action) override;
};
