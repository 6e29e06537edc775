#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A clickable 32 by 32 pixel picture, drawn at its top-left corner on a background colour.
class Picture : public QAbstractButton
{
    Q_OBJECT

public:
    explicit Picture(QWidget *parent = nullptr);

    void setPicture(const QPixmap &pixmap);
    void setBackColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QColor m_backColor;
};
