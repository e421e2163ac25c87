#include "timerui/TimerUiIcons.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

const QString allNames[] = { QStringLiteral("logOut"), QStringLiteral("more"), QStringLiteral("statusItem"),
    QStringLiteral("relative"), QStringLiteral("absolute"), QStringLiteral("repeat"),
    QStringLiteral("daily") };

// The colours of the image's fully opaque pixels, and how many there are.
struct Ink
{
    QList<QRgb> colours;
    int opaquePixels = 0;
};

Ink inkOf(const QIcon& icon, QIcon::Mode mode = QIcon::Normal)
{
    const QImage image = icon.pixmap(QSize(24, 24), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 255)
                continue;
            ++ink.opaquePixels;
            if (!ink.colours.contains(pixel))
                ink.colours << pixel;
        }
    }
    return ink;
}

class TimerUiIconsTest : public testing::Test
{
protected:
    TimerUiIconsTest()
        : m_previous(QApplication::palette())
    { }
    ~TimerUiIconsTest() override { QApplication::setPalette(m_previous); }

private:
    QPalette m_previous;
};

TEST_F(TimerUiIconsTest, EveryImageIsDrawnInThePalettesTextColour)
{
    for (const QColor text : { QColor(0x20, 0x20, 0x20), QColor(0xee, 0xee, 0xee) }) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::All, QPalette::WindowText, text);
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x40, 0x80, 0xc0));
        QApplication::setPalette(palette);
        for (const QString& name : allNames) {
            SCOPED_TRACE(name.toStdString() + " on " + text.name().toStdString());
            const QIcon icon = TimerUiIcons::icon(name);
            ASSERT_FALSE(icon.isNull());
            const Ink normal = inkOf(icon);
            EXPECT_GT(normal.opaquePixels, 8);
            EXPECT_EQ(normal.colours, QList<QRgb> { text.rgba() });
            EXPECT_EQ(inkOf(icon, QIcon::Disabled).colours, QList<QRgb> { QColor(0x40, 0x80, 0xc0).rgba() });
            EXPECT_EQ(inkOf(TimerUiIcons::neutralIcon(name)).colours,
                QList<QRgb> { QColor(0x80, 0x80, 0x80).rgba() });
        }
    }
}

TEST_F(TimerUiIconsTest, EachModeHasItsOwnImage)
{
    QList<QImage> seen;
    for (TimerMode mode : allTimerModes) {
        SCOPED_TRACE(timerModeCaseName(mode).toStdString());
        const QImage image = TimerUiIcons::modeIcon(mode).pixmap(QSize(24, 24)).toImage();
        EXPECT_EQ(
            image, TimerUiIcons::icon(timerModeCaseName(mode).toLower()).pixmap(QSize(24, 24)).toImage());
        EXPECT_FALSE(seen.contains(image));
        seen << image;
    }
}

TEST_F(TimerUiIconsTest, AnUnknownNameGivesNoImage)
{
    EXPECT_TRUE(TimerUiIcons::icon(QStringLiteral("shutdown")).isNull());
    EXPECT_TRUE(TimerUiIcons::icon(QString()).isNull());
}

} // namespace
