#pragma once

#include <QColor>
#include <QWidget>

// A rectangle drawn beneath the other controls: a solid fill or transparent inside, with an
// outline inside its edge. It takes no clicks.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    void setFill(const QColor &color) { m_fill = color; }
    void setOutlineWidth(int width) { m_outlineWidth = width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill; // invalid: transparent inside
    int m_outlineWidth = 1;
};
