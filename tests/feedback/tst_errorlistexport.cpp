#include "feedback/errorlistexport.h"

#include <QTest>

class TestErrorListExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clipboardBytes_data();
    void clipboardBytes();
};

void TestErrorListExport::clipboardBytes_data()
{
    const QString a = QString::fromUtf8(" 7 3 \u00b7 6 = _____ + ___ = _____");
    const QString b = QString::fromUtf8(" 8 \u00b7 4 7 = _____ + ___ = _____");
    const QString c = QString::fromUtf8(" 1 1 \u00b7 2 = _____ + ___ = _____");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("utf8");
    const QByteArray header = "Fehlerliste von ZUV-Rovuva Raruredude:\r\n\r\n";
    QTest::newRow("no lines") << QStringList{} << header;
    QTest::newRow("one line") << QStringList{a} << header + " 7 3 \xc2\xb7 6 = _____ + ___ = _____\r\n";
    QTest::newRow("three lines in order")
        << QStringList{a, b, c}
        << header + " 7 3 \xc2\xb7 6 = _____ + ___ = _____\r\n 8 \xc2\xb7 4 7 = _____ + ___ = _____\r\n"
                    " 1 1 \xc2\xb7 2 = _____ + ___ = _____\r\n";
}

void TestErrorListExport::clipboardBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, utf8);
    QCOMPARE(errorListText(lines).toUtf8(), utf8);
}

QTEST_GUILESS_MAIN(TestErrorListExport)
#include "tst_errorlistexport.moc"
