#include "widgets.h"

#include "solver/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QResource>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>

namespace ui {

QString spokenName(const QString &caption)
{
    return QString::fromStdString(solver::spokenName(caption.toStdString()));
}

// Button

Button::Button(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
}

void Button::setMnemonic(int index)
{
    const QString t = text();
    if (index < 0 || index >= t.size() || !t[index].isLetter()) {
        m_mnemonic = -1;
        setShortcut(QKeySequence());
        update();
        return;
    }
    m_mnemonic = index;
    setShortcut(QKeySequence(QStringLiteral("Alt+") + t[index].toUpper()));
    update();
}

QChar Button::mnemonic() const
{
    return m_mnemonic < 0 || m_mnemonic >= text().size() ? QChar() : text()[m_mnemonic].toLower();
}

void Button::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The text itself stays plain; only the drawing shows the underline.
    option.text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (m_mnemonic >= 0 && m_mnemonic < text().size()) {
        const int at = text().left(m_mnemonic).count(QLatin1Char('&')) + m_mnemonic;
        option.text.insert(at, QLatin1Char('&'));
    }
    p.drawControl(QStyle::CE_PushButton, option);
}

void Button::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// ClickLabel

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

QString ClickLabel::spokenName() const
{
    return accessibleName().isEmpty() ? ui::spokenName(text()) : accessibleName();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// ValueLabel

ValueLabel::ValueLabel(QWidget *parent) : ClickLabel(QString(), parent)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // A field to read from, not a disabled one: the colours of an input field.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMargin(2);
}

void ValueLabel::setCaption(QLabel *caption, const QString &fallback)
{
    m_caption = caption;
    m_fallback = fallback;
}

QString ValueLabel::spokenName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    const QString name = m_caption ? ui::spokenName(m_caption->text()) : QString();
    return name.isEmpty() ? m_fallback : name;
}

void ValueLabel::reserveRoomFor(const QString &sample)
{
    m_sample = sample;
    updateGeometry();
}

// The width QLabel asks for the sample on one line: the text, the margins on
// both sides, the indent it adds beside a frame, and the frame.
int ValueLabel::reservedWidth() const
{
    if (m_sample.isEmpty() || wordWrap())
        return 0;
    const QFontMetrics metrics = fontMetrics();
    int extra = 2 * margin();
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) - 2 * margin();
    if (indent > 0 && (alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        extra += indent;
    const QMargins m = contentsMargins();
    const QRect text = metrics.boundingRect(QRect(0, 0, 2000, 2000), int(alignment()), m_sample);
    return text.width() + extra + m.left() + m.right();
}

QSize ValueLabel::sizeHint() const
{
    const QSize hint = ClickLabel::sizeHint();
    return QSize(std::max(hint.width(), reservedWidth()), hint.height());
}

QSize ValueLabel::minimumSizeHint() const
{
    const QSize hint = ClickLabel::minimumSizeHint();
    return QSize(std::max(hint.width(), reservedWidth()), hint.height());
}

void ValueLabel::selectAll()
{
    setSelection(0, int(text().size()));
}

void ValueLabel::copy() const
{
    const QString t = hasSelectedText() ? selectedText() : text();
    if (!t.isEmpty())
        QApplication::clipboard()->setText(t);
}

void ValueLabel::focusInEvent(QFocusEvent *event)
{
    ClickLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void ValueLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The whole number: the decimal comma must not split it in two words.
    if (event->button() == Qt::LeftButton) {
        selectAll();
        event->accept();
        return;
    }
    ClickLabel::mouseDoubleClickEvent(event);
}

void ValueLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        event->accept();
        return;
    }
    ClickLabel::keyPressEvent(event);
}

void ValueLabel::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(QStringLiteral("Copia"), this, [this] { copy(); });
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(!text().isEmpty());
    QAction *all = menu.addAction(QStringLiteral("Seleziona tutto"), this, [this] { selectAll(); });
    all->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

// PictureBox

QString svgDescription(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    QString title, desc;
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            // Only the drawing's own title and description, children of <svg>.
            if (depth == 2 && xml.name() == QLatin1String("title"))
                title = xml.readElementText().simplified(), --depth;
            else if (depth == 2 && xml.name() == QLatin1String("desc"))
                desc = xml.readElementText().simplified(), --depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return desc.isEmpty() ? title : desc;
}

PictureBox::PictureBox(const QString &asset, QSize size, QWidget *parent)
    : QWidget(parent), m_asset(asset), m_size(size)
{
    setMinimumSize(size);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString PictureBox::description() const
{
    return svgDescription(QStringLiteral(":/assets/") + m_asset);
}

QSvgRenderer *PictureBox::renderer() const
{
    if (!m_renderer)
        m_renderer =
            new QSvgRenderer(QStringLiteral(":/assets/") + m_asset, const_cast<PictureBox *>(this));
    return m_renderer;
}

// The picture drawn at build time for this size (tools/rasterize.cpp, white
// background included) as 32-bit pixels in the resources, or a null image.
// Stored packed, the pixels are unpacked for each paint, which is far quicker
// than reading and rendering the SVG; unpacked, the image uses the resource's
// bytes as they lie in the program.
static QImage prerendered(const QString &asset, QSize size)
{
    const QResource raw(QStringLiteral(":/raster/%1-%2x%3.rgb32")
                            .arg(QFileInfo(asset).completeBaseName())
                            .arg(size.width())
                            .arg(size.height()));
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!raw.isValid() || raw.uncompressedSize() != bytes)
        return QImage();
    if (raw.compressionAlgorithm() == QResource::NoCompression)
        return QImage(raw.data(), size.width(), size.height(), QImage::Format_RGB32);
    auto *pixels = new QByteArray(raw.uncompressedData());
    if (pixels->size() != bytes) {
        delete pixels;
        return QImage();
    }
    return QImage(
        reinterpret_cast<const uchar *>(pixels->constData()), size.width(), size.height(),
        QImage::Format_RGB32, [](void *p) { delete static_cast<QByteArray *>(p); }, pixels);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // On screen at scale 1, the picture drawn at build time; printed (a
    // recorded picture, a PDF) or scaled, the drawing itself.
    const QImage image =
        painter.paintEngine()->type() == QPaintEngine::Raster && devicePixelRatioF() == 1.0
            ? prerendered(m_asset, size())
            : QImage();
    if (!image.isNull()) {
        painter.drawImage(0, 0, image);
        painter.setPen(QColor(0xb0, 0xb8, 0xc4));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xb0, 0xb8, 0xc4));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!renderer()->isValid())
        return;
    QSizeF s = renderer()->defaultSize();
    s.scale(QSizeF(size()) - QSizeF(8, 8), Qt::KeepAspectRatio);
    const QRectF target((width() - s.width()) / 2, (height() - s.height()) / 2, s.width(),
                        s.height());
    renderer()->render(&painter, target);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
