#include "accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char ParkedProperty[] = "einmaleinsParked";

bool outsideClientArea(const QWidget *control)
{
    const QWidget *window = control->window();
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    return !window->rect().intersects(inWindow);
}

class ParkedAccessible : public QAccessibleWidget
{
public:
    explicit ParkedAccessible(QWidget *control)
        : QAccessibleWidget(control)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (outsideClientArea(widget())) {
            s.invisible = true;
            s.offscreen = true;
            s.focusable = false;
        }
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (outsideClientArea(widget()))
            return QString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *parkedFactory(const QString &, QObject *object)
{
    auto *control = qobject_cast<QWidget *>(object);
    if (control && control->property(ParkedProperty).toBool())
        return new ParkedAccessible(control);
    return nullptr;
}

} // namespace

namespace Accessibility {

void markParked(QWidget *control)
{
    static const bool installed = [] {
        QAccessible::installFactory(parkedFactory);
        return true;
    }();
    Q_UNUSED(installed);
    control->setProperty(ParkedProperty, true);
}

} // namespace Accessibility
