#include "label.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
}

void Label::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Label::backColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setForeColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

QStringList wrapAtBlanks(const QString &text, int width, const QFontMetrics &metrics)
{
    QStringList lines;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r|\n"));
    for (const QString &paragraph : text.split(lineBreak)) {
        QString line;
        qsizetype pos = 0;
        while (pos < paragraph.size()) {
            // Next piece: the blanks before a word, then the word.
            qsizetype end = pos;
            while (end < paragraph.size() && paragraph.at(end) == QLatin1Char(' '))
                ++end;
            while (end < paragraph.size() && paragraph.at(end) != QLatin1Char(' '))
                ++end;
            const QString piece = paragraph.mid(pos, end - pos);
            const QString word = piece.trimmed();
            if (!line.isEmpty() && !word.isEmpty() && metrics.horizontalAdvance(line + piece) > width) {
                // The blanks at the break vanish; the word starts the next line.
                lines.append(line);
                line = word;
            } else {
                line += piece;
            }
            pos = end;
        }
        lines.append(line);
    }
    return lines;
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = m_bordered ? rect().adjusted(1, 1, -1, -1) : rect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    int top = area.top();
    for (const QString &line : wrapAtBlanks(text(), area.width(), metrics)) {
        if (top > area.bottom())
            break;
        painter.drawText(QRect(area.left(), top, area.width(), metrics.height()),
                         int(horizontal | Qt::AlignTop) | Qt::TextDontClip, line);
        top += metrics.height();
    }
    if (m_bordered) {
        // The border keeps the window text colour, so a white card on white still shows its edge.
        painter.setClipping(false);
        painter.setPen(QApplication::palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
