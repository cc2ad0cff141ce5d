#include "widgets.h"

#include <QFileInfo>
#include <QImage>
#include <QResource>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

PictureBox::PictureBox(const QString &asset, QSize size, QWidget *parent)
    : QWidget(parent), m_asset(asset), m_size(size)
{
    setMinimumSize(size);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

// The picture drawn at build time for this size (tools/rasterize.cpp, white
// background included) as raw 32-bit pixels in the resources, or a null image.
// The image uses the resource's bytes as they lie in the program: showing a
// menu then costs neither SVG parsing and rendering nor image decoding.
static QImage prerendered(const QString &asset, QSize size)
{
    const QResource raw(QStringLiteral(":/raster/%1-%2x%3.rgb32")
                            .arg(QFileInfo(asset).completeBaseName())
                            .arg(size.width())
                            .arg(size.height()));
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression
        || raw.size() != bytes)
        return QImage();
    return QImage(raw.data(), size.width(), size.height(), QImage::Format_RGB32);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QImage image = prerendered(m_asset, size());
    if (!image.isNull() && devicePixelRatioF() == 1.0) {
        painter.drawImage(0, 0, image);
        painter.setPen(QColor(0xb0, 0xb8, 0xc4));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    if (!m_renderer) {
        m_renderer = new QSvgRenderer(QStringLiteral(":/assets/") + m_asset, this);
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xb0, 0xb8, 0xc4));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_renderer->isValid())
        return;
    QSizeF s = m_renderer->defaultSize();
    s.scale(QSizeF(size()) - QSizeF(8, 8), Qt::KeepAspectRatio);
    const QRectF target((width() - s.width()) / 2, (height() - s.height()) / 2, s.width(),
                        s.height());
    m_renderer->render(&painter, target);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
