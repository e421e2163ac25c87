#include "platform/NoticeWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int noticeWidth = 340;
constexpr int screenMargin = 12;

} // namespace

NoticeWindow::NoticeWindow(const QString& title, const QString& text, const QString& actionButtonTitle)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_title(new QLabel(title, this))
    , m_text(new QLabel(text, this))
    , m_closeButton(new QPushButton(tr("Close"), this))
    , m_actionButton(new QPushButton(actionButtonTitle, this))
{
    // A notice must not take the keyboard away from what the user is typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    setWindowTitle(title);
    setFixedWidth(noticeWidth);

    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setObjectName(QStringLiteral("title"));
    m_text->setObjectName(QStringLiteral("informativeText"));
    m_text->setWordWrap(true);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setCursor(Qt::ArrowCursor);
    m_actionButton->setObjectName(QStringLiteral("actionButton"));
    m_actionButton->setCursor(Qt::ArrowCursor);
    m_actionButton->setVisible(!actionButtonTitle.isEmpty());
    m_actionButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    buttons->addWidget(m_actionButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_text);
    layout->addLayout(buttons);

    connect(m_closeButton, &QPushButton::clicked, this, &NoticeWindow::dismissed);
    connect(m_actionButton, &QPushButton::clicked, this, &NoticeWindow::actionButtonClicked);
}

void NoticeWindow::showAtTopRight(int stackIndex)
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int top = available.top() + screenMargin + stackIndex * (height() + screenMargin);
        move(available.right() - screenMargin - width(), top);
    }
    show();
}

void NoticeWindow::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void NoticeWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clicked
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clicked)
        Q_EMIT contentClicked();
}
