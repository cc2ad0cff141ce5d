#include "figureview.h"

#include "solver/texts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ui {

namespace {

// The pictures' house style.
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kMeasure(0xc0, 0x39, 0x2b); // a computed measure
const QColor kGiven(0x1f, 0x5f, 0xbf);   // a datum: the highlight
const QColor kFaceLit(0xe8, 0xee, 0xf5);
const QColor kFaceDark(0x9d, 0xae, 0xc2);
constexpr double kTurnStep = 15.0; // degrees an arrow key turns by
constexpr double kDragDegreesPerPixel = 0.5;

QPolygonF polygon(const std::vector<geometry::Point> &points)
{
    QPolygonF p;
    p.reserve(int(points.size()));
    for (const auto &pt : points)
        p.append(QPointF(pt.x, pt.y));
    return p;
}

QColor faceColour(double shade)
{
    const double s = std::clamp(shade, 0.0, 1.0);
    return QColor::fromRgbF(
        float(kFaceDark.redF() + (kFaceLit.redF() - kFaceDark.redF()) * s),
        float(kFaceDark.greenF() + (kFaceLit.greenF() - kFaceDark.greenF()) * s),
        float(kFaceDark.blueF() + (kFaceLit.blueF() - kFaceDark.blueF()) * s));
}

} // namespace

FigureView::FigureView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(260, 220);
    setAttribute(Qt::WA_AcceptTouchEvents); // a touch drag arrives as a mouse drag
    setAccessibleName(QString::fromUtf8(solver::texts::figureViewName));
    setToolTip(QString::fromUtf8(solver::texts::figureViewTip));
    describe();
}

void FigureView::setFigure(const solver::Figure &figure)
{
    m_figure = figure;
    describe();
    update();
}

void FigureView::setCamera(const geometry::Camera &camera)
{
    m_camera = camera;
    m_camera.tilt = std::clamp(m_camera.tilt, -89.0, 89.0);
    m_camera.turn = std::remainder(m_camera.turn, 360.0);
    update();
}

void FigureView::describe()
{
    setAccessibleDescription(QString::fromStdString(m_figure.alternative));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

geometry::Drawing FigureView::drawing() const
{
    if (!m_figure.scene)
        return {};
    return geometry::draw(*m_figure.scene, m_camera, width(), height());
}

void FigureView::paint(QPainter &painter, const geometry::Drawing &drawing)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setPixelSize(std::max(1, int(drawing.fontSize + 0.5)));
    QFont legend(QStringLiteral("DejaVu Sans"));
    legend.setPixelSize(std::max(1, int(drawing.fontSize + 0.5)));
    for (const auto &item : drawing.items) {
        using Kind = geometry::Primitive::Kind;
        const QPolygonF points = polygon(item.points);
        switch (item.kind) {
        case Kind::Face: {
            const QColor fill = faceColour(item.shade);
            painter.setPen(QPen(fill, 0.6)); // closes the hairline gaps between facets
            painter.setBrush(fill);
            painter.drawPolygon(points);
            break;
        }
        case Kind::Edge:
        case Kind::Measure: {
            QColor colour = kInk;
            if (item.kind == Kind::Measure)
                colour = item.given ? kGiven : kMeasure;
            QPen pen(colour, item.hidden ? 1.2 : 2.0);
            pen.setJoinStyle(Qt::RoundJoin);
            pen.setCapStyle(Qt::RoundCap);
            if (item.hidden)
                pen.setDashPattern({ 5.0 / 1.2, 4.0 / 1.2 });
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(points);
            break;
        }
        case Kind::Label:
        case Kind::Legend: {
            if (points.isEmpty())
                break;
            const QString text = QString::fromStdString(item.text);
            painter.setFont(item.kind == Kind::Label ? font : legend);
            painter.setPen(item.given ? kGiven : item.kind == Kind::Label ? kMeasure : kInk);
            const QFontMetricsF m(painter.font());
            QPointF at = points.first();
            if (item.kind == Kind::Label)
                at = QPointF(at.x() - m.horizontalAdvance(text) / 2,
                             at.y() + (m.ascent() - m.descent()) / 2);
            // A white halo keeps a label legible where it crosses an edge.
            QPainterPath path;
            path.addText(at, painter.font(), text);
            painter.strokePath(path,
                               QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawText(at, text);
            break;
        }
        case Kind::ScaleBar: {
            if (points.size() < 2)
                break;
            painter.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(points[0], points[1]);
            for (const auto &end : { points[0], points[1] })
                painter.drawLine(end + QPointF(0, -4), end + QPointF(0, 4));
            painter.setFont(legend);
            painter.drawText(QPointF(points[0].x(), points[0].y() - 7),
                             QString::fromStdString(item.text));
            break;
        }
        }
    }
}

void FigureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_figure.scene) {
        paint(painter, drawing());
    } else {
        painter.setPen(kInk);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(m_figure.none));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FigureView::keyPressEvent(QKeyEvent *event)
{
    geometry::Camera c = m_camera;
    switch (event->key()) {
    case Qt::Key_Left:
        c.turn -= kTurnStep;
        break;
    case Qt::Key_Right:
        c.turn += kTurnStep;
        break;
    case Qt::Key_Up:
        c.tilt += kTurnStep;
        break;
    case Qt::Key_Down:
        c.tilt -= kTurnStep;
        break;
    case Qt::Key_Home:
    case Qt::Key_0:
        c = {};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCamera(c);
}

void FigureView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    m_dragFrom = event->position();
    m_dragCamera = m_camera;
}

void FigureView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF moved = event->position() - m_dragFrom;
    geometry::Camera c = m_dragCamera;
    c.turn += moved.x() * kDragDegreesPerPixel;
    c.tilt += moved.y() * kDragDegreesPerPixel;
    setCamera(c);
}

} // namespace ui
