// The yardstick of the start-up benchmark: a bare Qt Widgets window of the main window's shape,
// 515 by 250 pixels with 9 icons, 4 labels and 12 buttons, in Qt's default style, font and
// palette, with nothing else.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(515, 250);

    const char *const icons[] = {"cross", "face-smile", "face-straight", "question", "list-tick",
                                 "boy", "hand-cards", "keyboard", "letter-i"};
    int left = 16;
    for (const char *icon : icons) {
        auto *picture = new QLabel(&window);
        picture->setPixmap(QPixmap(QStringLiteral(":/pictures/%1.xpm").arg(QLatin1String(icon))));
        picture->setGeometry(left, 8, 33, 33);
        left += 56;
    }

    const QString texts[] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("73 * 6 ="),
                             QStringLiteral("420+18=438")};
    const QRect places[] = {{72, 40, 33, 17}, {128, 40, 33, 17}, {16, 104, 153, 41}, {176, 104, 321, 41}};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(texts[i], &window);
        label->setGeometry(places[i]);
    }

    const QString captions[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                                QStringLiteral("0"), QStringLiteral("<---"), QStringLiteral("OK")};
    left = 16;
    for (const QString &caption : captions) {
        auto *button = new QPushButton(caption, &window);
        button->setGeometry(left, 200, 37, 33);
        left += 40;
    }

    window.show();
    return QApplication::exec();
}
