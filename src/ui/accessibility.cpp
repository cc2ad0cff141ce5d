#include "accessibility.h"

#include "widgets.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

// A label: its name is its text as spoken; a value label adds the value.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        auto *label = static_cast<ClickLabel *>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->spokenName();
        case QAccessible::Value:
            return qobject_cast<ValueLabel *>(label) ? label->text() : QString();
        case QAccessible::Description:
            return label->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (qobject_cast<ValueLabel *>(widget())) {
            s.readOnly = true;
            s.selectableText = true;
        }
        return s;
    }
};

// A result or formula: also offers its text through the text interface, the
// way screen readers read the contents of a field.
class ValueAccessible : public LabelAccessible, public QAccessibleTextInterface {
public:
    explicit ValueAccessible(ValueLabel *label) : LabelAccessible(label) {}

    using LabelAccessible::text;

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return LabelAccessible::interface_cast(t);
    }

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override
    {
        return content().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(content().size()); }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && value()->hasSelectedText()) {
            *startOffset = value()->selectionStart();
            *endOffset = *startOffset + int(value()->selectedText().size());
        }
    }
    int selectionCount() const override { return value()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { value()->setSelection(0, 0); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        value()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    ValueLabel *value() const { return static_cast<ValueLabel *>(widget()); }
    QString content() const { return value()->text(); }
};

// Where a picture keeps the name it has when its SVG does not describe itself.
constexpr char kFallbackName[] = "corpimetroFallbackName";

// A picture: a graphic named by what it shows.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureBox *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            if (!name.isEmpty())
                return name;
            if (!m_described) {
                m_description = static_cast<PictureBox *>(widget())->description();
                m_described = true;
            }
            return m_description.isEmpty() ? widget()->property(kFallbackName).toString()
                                           : m_description;
        }
        return QAccessibleWidget::text(t);
    }

private:
    mutable QString m_description;
    mutable bool m_described = false;
};

// A live line: a notification, named by what it says.
class LiveAccessible : public QAccessibleWidget {
public:
    explicit LiveAccessible(LiveLabel *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<LiveLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        // An empty line is collapsed to nothing: there is nothing to read.
        if (static_cast<LiveLabel *>(widget())->text().isEmpty())
            s.invisible = true;
        return s;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *live = qobject_cast<LiveLabel *>(object))
        return new LiveAccessible(live);
    if (auto *value = qobject_cast<ValueLabel *>(object))
        return new ValueAccessible(value);
    if (auto *label = qobject_cast<ClickLabel *>(object))
        return new LabelAccessible(label);
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

} // namespace

LiveLabel::LiveLabel(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    collapse(true);
}

// An empty line stays in the layout with no height and no frame, rather than
// hidden: showing a hidden widget costs its window a full re-layout, which a
// press cannot afford.
void LiveLabel::collapse(bool empty)
{
    setFrameShape(empty ? QFrame::NoFrame : QFrame::StyledPanel);
    setMargin(empty ? 0 : 6);
    setMaximumHeight(empty ? 0 : QWIDGETSIZE_MAX);
}

bool LiveLabel::isShown() const
{
    return isVisible() && !text().isEmpty() && height() > 0;
}

void LiveLabel::setLiveText(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    collapse(text.isEmpty());
    // The new name, then the alert that has a screen reader say it even
    // though the focus stays where it is.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (!text.isEmpty()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        emit announced(text);
    }
}

void setPictureFallbackName(QWidget *picture, const QString &name)
{
    picture->setProperty(kFallbackName, name);
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

} // namespace ui
