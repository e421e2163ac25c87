#include "timerui/TimerUiIcons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>
#include <optional>

// The resources of a static library are registered only when asked for.
static void initIconResources()
{
    static const bool initialized = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(initialized);
}

namespace {

QString iconPath(const QString& name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

// Renders the SVG and, when tinting, replaces its colour with the palette's text colour for the
// icon's mode.
class SvgIconEngine final : public QIconEngine
{
public:
    SvgIconEngine(const QString& name, bool tinted)
        : m_name(name)
        , m_renderer(std::make_shared<QSvgRenderer>(iconPath(name)))
        , m_tinted(tinted)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = render(rect.size() * ratio, mode);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return render(size, mode); }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QPixmap image = render(size * scale, mode);
        image.setDevicePixelRatio(scale);
        return image;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(*this); } // owned by the QIcon
    QString key() const override { return QStringLiteral("QuilletSvgIcon"); }
    bool isNull() override { return !m_renderer->isValid(); }

private:
    std::optional<QColor> tint(QIcon::Mode mode) const
    {
        if (!m_tinted)
            return std::nullopt;
        const QPalette palette = QGuiApplication::palette();
        switch (mode) {
        case QIcon::Disabled:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case QIcon::Selected:
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        case QIcon::Normal:
        case QIcon::Active:
            break;
        }
        return palette.color(QPalette::Active, QPalette::WindowText);
    }

    QPixmap render(const QSize& size, QIcon::Mode mode) const
    {
        if (size.isEmpty() || !m_renderer->isValid())
            return {};
        const std::optional<QColor> colour = tint(mode);
        const QString cacheKey
            = QStringLiteral("quillet-icon-%1-%2x%3-%4")
                  .arg(m_name)
                  .arg(size.width())
                  .arg(size.height())
                  .arg(colour ? colour->name(QColor::HexArgb) : QStringLiteral("as-drawn"));
        QPixmap cached;
        if (QPixmapCache::find(cacheKey, &cached))
            return cached;

        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // The images are square; a non-square request gets it centred.
        const int side = std::min(size.width(), size.height());
        const QRectF target((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
        m_renderer->render(&painter, target);
        if (colour) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), *colour);
        }
        painter.end();

        QPixmap result = QPixmap::fromImage(image);
        QPixmapCache::insert(cacheKey, result);
        return result;
    }

    QString m_name;
    std::shared_ptr<QSvgRenderer> m_renderer; // shared by clones
    bool m_tinted;
};

QIcon makeIcon(const QString& name, bool tinted)
{
    initIconResources();
    if (name.isEmpty() || !QFile::exists(iconPath(name)))
        return {};
    return QIcon(new SvgIconEngine(name, tinted)); // the icon owns its engine
}

} // namespace

QIcon TimerUiIcons::icon(const QString& name)
{
    return makeIcon(name, true);
}

QIcon TimerUiIcons::neutralIcon(const QString& name)
{
    return makeIcon(name, false);
}

QString TimerUiIcons::modeIconName(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Relative:
        return QStringLiteral("relative");
    case TimerMode::Absolute:
        return QStringLiteral("absolute");
    case TimerMode::Repeat:
        return QStringLiteral("repeat");
    case TimerMode::Daily:
        return QStringLiteral("daily");
    }
    return {};
}

QIcon TimerUiIcons::modeIcon(TimerMode mode)
{
    return icon(modeIconName(mode));
}
