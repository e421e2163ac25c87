#pragma once

#include "platform/AppleScript.h"

// Runs scripts for real: power actions and notifications through the installed platform services
// (only touched when such a command runs), the shell as a child process, delay as a real sleep of
// the calling thread.
class PlatformAppleScriptEnvironment final : public AppleScriptEnvironment
{
public:
    void performPowerAction(PowerAction action) override;
    Expected<QString, AppleScriptRunError> runShell(const QString& command) override;
    // With no title the notification is titled "Quillet"; it has no action button.
    void displayNotification(const QString& text, const QString& title) override;
    void delay(double seconds) override;
    void log(const QString& text) override;
};
