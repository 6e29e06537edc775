#include "app/modul1.h"
#include "app/qtplatform.h"
#include "ui/form1.h"

#include <QApplication>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.einmaleins"));
    // The flat look is the same on every desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Every picture is loaded once and kept by its control, so Qt's pixmap cache would only hold
    // second references, and its flush timer would wake the waiting program 30 s after start.
    QPixmapCache::setCacheLimit(0);

    Modul1 state;
    QtPlatform platform;
    Form1 form(state, platform);
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
