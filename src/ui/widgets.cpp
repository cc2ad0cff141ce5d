#include "widgets.h"

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

void PictureBox::paintEvent(QPaintEvent *)
{
    if (!m_renderer) {
        m_renderer = new QSvgRenderer(QStringLiteral(":/assets/") + m_asset, this);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
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
