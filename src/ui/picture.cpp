#include "picture.h"

#include <QPainter>

Picture::Picture(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void Picture::setPicture(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

void Picture::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    // The pictures are pixel art: enlarge them by whole pixels on high-density screens, never blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRect(0, 0, 32, 32), m_pixmap);
    // The focus frame shows once the learner moves the focus with the keyboard.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
