#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// Shared look of the program's windows: colours, fonts and the twip geometry of the layouts.
namespace Look {

inline constexpr int TwipsPerPixel = 15;

// A rectangle given in twips, as pixels.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

// Top-left corner that centres a window of the given outer size on the screen; negative when
// the window is larger than the screen.
QPoint centredPosition(QSize screen, QSize window);

// The fixed 16-colour palette, by number 0 to 15.
QColor paletteColor(int n);

inline const QColor PaleCyan{128, 255, 255};
inline const QColor Cyan{0, 255, 255};
inline const QColor DarkBlue{0, 0, 128};

QColor windowText();
QColor windowBackground();

// "MS Sans Serif" where installed, else the nearest sans-serif font.
QFont sansSerif(double pointSize, bool bold);
inline QFont defaultFont() { return sansSerif(8.25, true); }

// The background colour, font and frame that every window of the program shares.
void setUpWindow(QWidget *window, const QString &caption, int clientWidthTwips, int clientHeightTwips);

} // namespace Look
