// The computed solid in 3D: drawn to scale from the last press, turned by
// dragging, touch or the arrow keys; Home (or the "Vista iniziale" button)
// turns it back to the standard three-quarter view.
#pragma once

#include "geometry/view.h"
#include "solver/figure.h"

#include <QWidget>

class QPainter;

namespace ui {

class FigureView : public QWidget {
    Q_OBJECT
public:
    explicit FigureView(QWidget *parent = nullptr);

    void setFigure(const solver::Figure &figure);
    const solver::Figure &figure() const { return m_figure; }

    const geometry::Camera &camera() const { return m_camera; }
    void setCamera(const geometry::Camera &camera);
    void resetView() { setCamera({}); }

    // What a front end draws for the current figure and turn, at this size.
    geometry::Drawing drawing() const;
    // Draws a drawing with the pictures' house style, as vectors: on screen,
    // and on a printer page.
    static void paint(QPainter &painter, const geometry::Drawing &drawing);

    QSize sizeHint() const override { return { 300, 260 }; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void describe();

    solver::Figure m_figure = solver::Figure::beforeAnyPress();
    geometry::Camera m_camera;
    QPointF m_dragFrom;
    geometry::Camera m_dragCamera;
};

} // namespace ui
