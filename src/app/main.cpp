#include "app/modul1.h"
#include "app/qtplatform.h"
#include "ui/form1.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.einmaleins"));
    // The flat look is the same on every desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());

    Modul1 state;
    QtPlatform platform;
    Form1 form(state, platform);
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
