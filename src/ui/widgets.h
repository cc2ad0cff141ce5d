// Small widgets the screens are made of: clickable labels and pictures.
#pragma once

#include <QLabel>
#include <QWidget>

class QSvgRenderer;

namespace ui {

// A label showing plain text that reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture drawn from an SVG asset, keeping its proportions; reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString &asset, QSize size, QWidget *parent = nullptr);
    QString asset() const { return m_asset; }
    QSize sizeHint() const override { return m_size; }
signals:
    void clicked();
protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
private:
    QString m_asset;
    QSize m_size;
    QSvgRenderer *m_renderer = nullptr;
};

} // namespace ui
