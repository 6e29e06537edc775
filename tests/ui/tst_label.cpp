#include "ui/label.h"

#include <QApplication>
#include <QTest>

class TestLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wrapsOnlyAtBlanks_data();
    void wrapsOnlyAtBlanks();
};

void TestLabel::wrapsOnlyAtBlanks_data()
{
    const QFontMetrics metrics(QApplication::font());
    const int card = metrics.horizontalAdvance(QStringLiteral("77"));
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fits") << "Ende" << 1000 << QStringList{"Ende"};
    QTest::newRow("card face: digit, 16 blanks, digit")
        << QStringLiteral("7                7") << card << QStringList{"7", "7"};
    QTest::newRow("long word is not broken") << "420+18=438420+18=438" << card << QStringList{"420+18=438420+18=438"};
    QTest::newRow("leading blank kept") << " 7 3" << 1000 << QStringList{" 7 3"};
    QTest::newRow("carriage return and line feed") << "a\r\nb" << 1000 << QStringList{"a", "b"};
    QTest::newRow("bare carriage return") << "a\rb" << 1000 << QStringList{"a", "b"};
    QTest::newRow("empty") << "" << 100 << QStringList{""};
}

void TestLabel::wrapsOnlyAtBlanks()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    QCOMPARE(wrapAtBlanks(text, width, QFontMetrics(QApplication::font())), lines);
}

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
