#include "shape.h"

#include <QPainter>

Shape::Shape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    const QColor outline = palette().color(QPalette::WindowText);
    for (int i = 0; i < m_outlineWidth; ++i) {
        painter.setPen(outline);
        painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
}
