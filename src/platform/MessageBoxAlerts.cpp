#include "platform/MessageBoxAlerts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <optional>
#include <vector>

namespace {

QMessageBox::Icon iconForStyle(AlertContent::Style style)
{
    switch (style) {
    case AlertContent::Style::Informational:
        return QMessageBox::Information;
    case AlertContent::Style::Warning:
        return QMessageBox::Warning;
    case AlertContent::Style::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

class MessageBoxAlert final : public Alert
{
public:
    explicit MessageBoxAlert(const AlertContent& content)
    {
        m_box.setIcon(iconForStyle(content.style));
        m_box.setText(content.messageText);
        m_box.setInformativeText(content.informativeText);
        QStringList titles = content.buttons;
        if (titles.isEmpty())
            titles << QCoreApplication::translate("Alerts", "OK");
        for (const QString& title : titles) {
            // The first button accepts; the desktop's button order places the others.
            const auto role = m_buttons.empty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole;
            m_buttons.push_back(m_box.addButton(title, role));
        }
        m_box.setDefaultButton(m_buttons.front());
        // With more than one button nothing but a button answers the alert, as Escape and the
        // window's close button have no answer to give.
        if (m_buttons.size() == 1)
            m_box.setEscapeButton(m_buttons.front());
        if (content.showsSuppressionButton)
            m_box.setCheckBox(new QCheckBox(
                QCoreApplication::translate("Alerts", "Do not show this message again"))); // owned by the box
    }

    AlertResponse runModal() override
    {
        if (m_pendingClick)
            QMetaObject::invokeMethod(
                m_buttons[size_t(*m_pendingClick)], &QAbstractButton::click, Qt::QueuedConnection);
        m_pendingClick.reset();
        m_running = true;
        m_box.exec();
        m_running = false;

        AlertResponse response;
        for (size_t i = 0; i < m_buttons.size(); ++i) {
            if (m_box.clickedButton() == m_buttons[i])
                response.returnCode = AlertResponse::firstButtonReturn + int(i);
        }
        response.suppressionChecked = m_box.checkBox() && m_box.checkBox()->isChecked();
        return response;
    }

    void clickButton(int index) override
    {
        if (index < 0 || size_t(index) >= m_buttons.size())
            return;
        if (m_running)
            m_buttons[size_t(index)]->click();
        else
            m_pendingClick = index; // answered as soon as it runs
    }

private:
    QMessageBox m_box;
    std::vector<QPushButton*> m_buttons; // owned by the box
    std::optional<int> m_pendingClick;
    bool m_running = false;
};

} // namespace

std::unique_ptr<Alert> MessageBoxAlerts::make(const AlertContent& content)
{
    return std::make_unique<MessageBoxAlert>(content);
}
