#include "feedback/helptexts.h"

#include <QTest>

class TestHelpTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedTexts_data();
    void fixedTexts();
    void tasksLeft_data();
    void tasksLeft();
};

void TestHelpTexts::fixedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("decomposition")
        << decompositionHelp()
        << QByteArray("Rechne so:\r\r73 \xc2\xb7 6 = 420 + 18 = 438\r\r8 \xc2\xb7 47 = 320 + 56 = 376\r\r");
    QTest::newRow("keys") << keyHelp()
                          << QByteArray("Klicke mit der Maus auf die Kn\xc3\xb6pfe am unteren Bildschirmrand\r"
                                        "oder gib die Ziffern direkt \xc3\xbc" "ber die Tastatur ein. Zum L\xc3\xb6schen\r"
                                        "nimmst du die Pfeil-L\xc3\xb6schtaste und zur Eingabe die Entertaste.\r\r");
    QTest::newRow("reward rule") << rewardRule() << QByteArray("Nach 10 Aufgaben gibt es eine Spielrunde!");
}

void TestHelpTexts::fixedTexts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, utf8);
    QCOMPARE(text.toUtf8(), utf8);
}

void TestHelpTexts::tasksLeft_data()
{
    QTest::addColumn<QString>("solved");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << "0" << "Noch 10 Aufgaben bis zur Spielrunde!";
    QTest::newRow("9: plural for one") << "9" << "Noch 1 Aufgaben bis zur Spielrunde!";
    QTest::newRow("10") << "10" << "Noch 10 Aufgaben bis zur Spielrunde!";
    QTest::newRow("13") << "13" << "Noch 7 Aufgaben bis zur Spielrunde!";
    QTest::newRow("20") << "20" << "Noch 10 Aufgaben bis zur Spielrunde!";
    QTest::newRow("large count") << "123456789012" << "Noch 8 Aufgaben bis zur Spielrunde!";
}

void TestHelpTexts::tasksLeft()
{
    QFETCH(QString, solved);
    QFETCH(QString, text);
    QCOMPARE(tasksLeftText(solved), text);
}

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
