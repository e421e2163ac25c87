#include "timerui/SegmentedControl.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

SegmentedControl::SegmentedControl(int segmentCount, Tracking tracking, QWidget* parent)
    : QWidget(parent)
    , m_tracking(tracking)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_segments.resize(std::max(0, segmentCount));
    for (int i = 0; i < segmentCount; ++i) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(button, &QToolButton::clicked, this, [this, i] { segmentClicked(i); });
        layout->addWidget(button, 1);
        m_segments[size_t(i)].button = button;
    }
    // The selection must read at a glance on light and dark themes alike, so the selected segments take
    // the palette's highlight; the segments join into one control.
    for (int i = 0; i < segmentCount; ++i) {
        const QString left = i == 0 ? QStringLiteral("4px") : QStringLiteral("0px");
        const QString right = i == segmentCount - 1 ? QStringLiteral("4px") : QStringLiteral("0px");
        m_segments[size_t(i)].button->setStyleSheet(
            QStringLiteral("QToolButton { border: 1px solid palette(mid); %1 padding: 3px 9px;"
                           " background: palette(button); color: palette(button-text);"
                           " border-top-left-radius: %2; border-bottom-left-radius: %2;"
                           " border-top-right-radius: %3; border-bottom-right-radius: %3; }"
                           "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text);"
                           " border-color: palette(highlight); }"
                           "QToolButton:pressed { background: palette(dark); }"
                           "QToolButton:disabled { color: palette(mid); }"
                           "QToolButton::menu-indicator { image: none; }")
                .arg(i == 0 ? QString() : QStringLiteral("border-left: none;"), left, right));
    }
}

SegmentedControl::~SegmentedControl() = default;

const SegmentedControl::Segment* SegmentedControl::segmentAt(int segment) const
{
    if (segment < 0 || segment >= segmentCount())
        return nullptr;
    return &m_segments[size_t(segment)];
}

SegmentedControl::Segment* SegmentedControl::segmentAt(int segment)
{
    return const_cast<Segment*>(std::as_const(*this).segmentAt(segment));
}

void SegmentedControl::setSelectedSegment(int segment)
{
    if (segment != -1 && !segmentAt(segment))
        return;
    for (int i = 0; i < segmentCount(); ++i) {
        if (i == segment)
            m_segments[size_t(i)].button->setChecked(true);
        else if (segment == -1 || m_tracking == Tracking::SelectOne)
            m_segments[size_t(i)].button->setChecked(false);
    }
    m_selectedSegment = segment;
}

bool SegmentedControl::isSelectedForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found && found->button->isChecked();
}

void SegmentedControl::setSelected(bool selected, int segment)
{
    if (!segmentAt(segment))
        return;
    if (m_tracking == Tracking::SelectOne) {
        if (selected)
            setSelectedSegment(segment);
        else if (segment == m_selectedSegment)
            setSelectedSegment(-1);
        return;
    }
    m_segments[size_t(segment)].button->setChecked(selected);
}

void SegmentedControl::setImage(const QIcon& image, int segment)
{
    if (Segment* found = segmentAt(segment)) {
        found->button->setIcon(image);
        updateButtonStyle(segment);
    }
}

QIcon SegmentedControl::imageForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found ? found->button->icon() : QIcon();
}

void SegmentedControl::setLabel(const QString& label, int segment)
{
    if (Segment* found = segmentAt(segment)) {
        found->button->setText(label);
        updateButtonStyle(segment);
    }
}

QString SegmentedControl::labelForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found ? found->button->text() : QString();
}

void SegmentedControl::setToolTip(const QString& toolTip, int segment)
{
    if (Segment* found = segmentAt(segment))
        found->button->setToolTip(toolTip);
}

void SegmentedControl::setTag(int tag, int segment)
{
    if (Segment* found = segmentAt(segment))
        found->tag = tag;
}

int SegmentedControl::tagForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found ? found->tag : 0;
}

void SegmentedControl::setMenu(QMenu* menu, int segment)
{
    if (Segment* found = segmentAt(segment))
        found->menu = menu;
}

QMenu* SegmentedControl::menuForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found ? found->menu.data() : nullptr;
}

QAbstractButton* SegmentedControl::buttonForSegment(int segment) const
{
    const Segment* found = segmentAt(segment);
    return found ? found->button : nullptr;
}

void SegmentedControl::segmentClicked(int segment)
{
    // The button has toggled itself, which is the whole selection in SelectAny mode; SelectOne keeps
    // the clicked segment selected, also when it already was.
    if (m_tracking == Tracking::SelectOne)
        setSelectedSegment(segment);
    else
        m_selectedSegment = segment;

    const Segment& clicked = m_segments[size_t(segment)];
    if (m_cell.takeAction(segment, clicked.menu != nullptr)) {
        Q_EMIT activated(segment);
        return;
    }
    clicked.menu->popup(clicked.button->mapToGlobal(QPoint(0, clicked.button->height())));
}

void SegmentedControl::updateButtonStyle(int segment)
{
    QToolButton* button = m_segments[size_t(segment)].button;
    const bool hasImage = !button->icon().isNull();
    const bool hasLabel = !button->text().isEmpty();
    if (hasImage && hasLabel)
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    else if (hasImage)
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    else
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
}
