#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// Quillet's own small notice at the top right of the primary screen, for desktops without a
// notification server that shows action buttons: a title, a text and an optional action button. A
// click on the text counts as a click on the notice.
class NoticeWindow final : public QFrame
{
    Q_OBJECT

public:
    NoticeWindow(const QString& title, const QString& text, const QString& actionButtonTitle);

    // Places the notice at the top right, below `stackIndex` notices already shown there.
    void showAtTopRight(int stackIndex);

Q_SIGNALS:
    void contentClicked();
    void actionButtonClicked();
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* m_title;
    QLabel* m_text;
    QPushButton* m_closeButton;
    QPushButton* m_actionButton;
    bool m_pressed = false;
};
