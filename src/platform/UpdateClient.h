#pragma once

class QObject;

// The software-update and feedback client: the calls Quillet makes on it.
class UpdateClient
{
public:
    virtual ~UpdateClient();

    virtual void sendUsageReport(QObject* reportDelegate) = 0;
    virtual void setUpProblemReporter(bool reportUnhandledProblems) = 0;
    virtual void setAutomaticUpdateChecks(bool enabled) = 0;
    virtual bool automaticallyDownloadsUpdates() const = 0;
    virtual void setAutomaticallyDownloadsUpdates(bool enabled) = 0;
    virtual void showFeedbackDialog(int dialogMode) = 0;
    // False when there is no client, as on Linux, where the distribution updates the program.
    virtual bool isAvailable() const = 0;
};

// No update client: every call does nothing and automatic download reads false.
class AbsentUpdateClient final : public UpdateClient
{
public:
    void sendUsageReport(QObject*) override { }
    void setUpProblemReporter(bool) override { }
    void setAutomaticUpdateChecks(bool) override { }
    bool automaticallyDownloadsUpdates() const override { return false; }
    void setAutomaticallyDownloadsUpdates(bool) override { }
    void showFeedbackDialog(int) override { }
    bool isAvailable() const override { return false; }
};
