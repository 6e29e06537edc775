#include "flatbutton.h"

#include <QPainter>

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &p = palette();
    painter.fillRect(rect(), isDown() ? p.color(QPalette::Mid) : p.color(QPalette::Button));
    painter.setPen(p.color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (isDefault())
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(p.color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
