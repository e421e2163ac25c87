#include "platform/MessageBoxAlerts.h"

#include "platform/QtRunLoop.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::UnorderedElementsAre;

namespace {

struct ShownBox
{
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString checkBox;
};

ShownBox inspect(QMessageBox& box)
{
    ShownBox shown { box.text(), box.informativeText(), box.icon(), {}, {}, {} };
    for (QAbstractButton* button : box.buttons())
        shown.buttons << button->text();
    if (box.defaultButton())
        shown.defaultButton = box.defaultButton()->text();
    if (box.checkBox())
        shown.checkBox = box.checkBox()->text();
    return shown;
}

// Answers the alert from a timer that fires while the box runs its modal loop.
TEST(MessageBoxAlerts, ShowsTheAlertAndReportsTheClickedButtonAndTheSuppressionBox)
{
    MessageBoxAlerts alerts;
    const AlertContent content { QStringLiteral("Quit all applications"),
        QStringLiteral("Save your documents."), AlertContent::Style::Critical,
        { QStringLiteral("Continue"), QStringLiteral("Cancel"), QStringLiteral("Later") }, true };
    auto alert = alerts.make(content);
    std::optional<ShownBox> shown;
    QtRunLoop runLoop;
    auto answer = runLoop.once(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        shown = inspect(*box);
        box->checkBox()->setChecked(true);
        alert->clickButton(2);
    });

    const AlertResponse response = alert->runModal();
    EXPECT_EQ(response.returnCode, 1002);
    EXPECT_TRUE(response.suppressionChecked);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, content.messageText);
    EXPECT_EQ(shown->informativeText, content.informativeText);
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_THAT(shown->buttons,
        UnorderedElementsAre(QStringLiteral("Continue"), QStringLiteral("Cancel"), QStringLiteral("Later")));
    EXPECT_EQ(shown->defaultButton, QStringLiteral("Continue"));
    EXPECT_EQ(shown->checkBox, QStringLiteral("Do not show this message again"));
}

TEST(MessageBoxAlerts, WithoutButtonsOffersOk)
{
    MessageBoxAlerts alerts;
    auto alert = alerts.make({ QStringLiteral("Done"), {}, AlertContent::Style::Informational, {}, false });
    std::optional<ShownBox> shown;
    QtRunLoop runLoop;
    auto answer = runLoop.once(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            shown = inspect(*box);
        alert->clickButton(0);
    });

    const AlertResponse response = alert->runModal();
    EXPECT_EQ(response.returnCode, 1000);
    EXPECT_FALSE(response.suppressionChecked);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->icon, QMessageBox::Information);
    EXPECT_EQ(shown->buttons, QStringList { QStringLiteral("OK") });
    EXPECT_TRUE(shown->checkBox.isEmpty());
}

TEST(MessageBoxAlerts, AClickBeforeTheRunAnswersItAsSoonAsItRuns)
{
    MessageBoxAlerts alerts;
    auto alert = alerts.make({ QStringLiteral("Restore?"), {}, AlertContent::Style::Warning,
        { QStringLiteral("Yes"), QStringLiteral("No") }, false });
    alert->clickButton(1);
    EXPECT_EQ(alert->runModal().returnCode, 1001);
}

} // namespace
