#include "exercise/answercheck.h"

#include <QTest>

#include <limits>

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorLineIsTaskAndBlankDecomposition();
    void errorCountStopsAtItsLimit_data();
    void errorCountStopsAtItsLimit();
};

void TestAnswerCheck::errorLineIsTaskAndBlankDecomposition()
{
    const QString line = errorLine(QString::fromUtf8(" 7 3 \u00b7 6 ="));
    QCOMPARE(line, QString::fromUtf8(" 7 3 \u00b7 6 = _____ + ___ = _____"));
    QCOMPARE(line.size(), 30);
}

void TestAnswerCheck::errorCountStopsAtItsLimit_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("first") << 0 << 1;
    QTest::newRow("alarm") << 50 << 51;
    QTest::newRow("just below the limit") << 32766 << 32767;
    QTest::newRow("at the limit") << 32767 << 32767;
}

void TestAnswerCheck::errorCountStopsAtItsLimit()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QCOMPARE(int(raisedErrorCount(static_cast<std::int16_t>(before))), after);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
