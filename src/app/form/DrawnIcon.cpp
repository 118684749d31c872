#include "DrawnIcon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace {
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(const QString &name) : m_name(name) {}

    QIconEngine *clone() const override { return new DrawnIconEngine(m_name); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.width() != size.height())
            return svgIcon().pixmap(size, 1.0, mode, state);
        const QString rendered = QStringLiteral(":/icons/%1-%2.png").arg(m_name).arg(size.width());
        const QString key = rendered + QLatin1Char('/') + QString::number(mode);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        if (!QFile::exists(rendered))
            return svgIcon().pixmap(size, 1.0, mode, state);
        pixmap.load(rendered);
        if (mode != QIcon::Normal) {
            // The disabled and active looks come from the style, as they do
            // for Qt's own SVG icons.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

private:
    const QIcon &svgIcon()
    {
        if (m_svg.isNull())
            m_svg = QIcon(QStringLiteral(":/icons/%1.svg").arg(m_name));
        return m_svg;
    }

    QString m_name;
    QIcon m_svg;
};
} // namespace

QIcon drawnIcon(const QString &name)
{
    return QIcon(new DrawnIconEngine(name));
}
