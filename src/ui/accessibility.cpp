#include "accessibility.h"

#include "widgets.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

// A label: its name is its text as spoken; a value label adds the value.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
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
            return name.isEmpty() ? static_cast<PictureBox *>(widget())->description() : name;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<ClickLabel *>(object))
        return new LabelAccessible(label);
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

} // namespace ui
