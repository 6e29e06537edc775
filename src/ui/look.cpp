#include "look.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QWidget>

#include <array>
#include <cmath>

namespace Look {

QColor paletteColor(int n)
{
    static constexpr std::array<QRgb, 16> colors{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return QColor(colors.at(static_cast<std::size_t>(n)));
}

QPoint centredPosition(QSize screen, QSize window)
{
    return QPoint(static_cast<int>(std::floor((screen.width() - window.width()) / 2.0f)),
                  static_cast<int>(std::floor((screen.height() - window.height()) / 2.0f)));
}

QColor windowText()
{
    return QApplication::palette().color(QPalette::WindowText);
}

QColor windowBackground()
{
    return QApplication::palette().color(QPalette::Base);
}

QFont sansSerif(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void setUpWindow(QWidget *window, const QString &caption, int clientWidthTwips, int clientHeightTwips)
{
    window->setWindowTitle(caption);
    window->setFixedSize(clientWidthTwips / TwipsPerPixel, clientHeightTwips / TwipsPerPixel);
    window->setFont(defaultFont());
    window->setWindowIcon(QIcon(QStringLiteral(":/pictures/abacus.xpm")));
    QPalette p = window->palette();
    p.setColor(QPalette::Window, PaleCyan);
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

} // namespace Look
