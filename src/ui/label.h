#pragma once

#include <QLabel>

// A label of fixed size that draws its text from the top edge, wraps it only at blanks, starts a
// new line at every carriage return or line feed, and clips what does not fit.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const;
    void setForeColor(const QColor &color);
    void setBordered(bool bordered);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_bordered = false;
    bool m_pressed = false;
};

// The lines that a text breaks into inside a given width, wrapping only at blanks.
QStringList wrapAtBlanks(const QString &text, int width, const QFontMetrics &metrics);
