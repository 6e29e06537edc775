#include "exercise/task.h"

#include <QTest>

class TestTask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void solution_data();
    void solution();
    void drawMapsEachNumberToItsRange_data();
    void drawMapsEachNumberToItsRange();
    void drawCoversEveryTaskEvenly();
};

void TestTask::text_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("factorFirst");
    QTest::addColumn<QString>("expected");
    QTest::newRow("73 times 6, number first") << 6 << 73 << false << QString::fromUtf8(" 7 3 \u00b7 6 =");
    QTest::newRow("73 times 6, factor first") << 6 << 73 << true << QString::fromUtf8(" 6 \u00b7 7 3 =");
    QTest::newRow("2 times 11") << 2 << 11 << false << QString::fromUtf8(" 1 1 \u00b7 2 =");
    QTest::newRow("9 times 99, factor first") << 9 << 99 << true << QString::fromUtf8(" 9 \u00b7 9 9 =");
}

void TestTask::text()
{
    QFETCH(int, factor);
    QFETCH(int, number);
    QFETCH(bool, factorFirst);
    QFETCH(QString, expected);
    const Task task{factor, number / 10, number % 10, factorFirst};
    QCOMPARE(task.text(), expected);
    QCOMPARE(task.text().size(), 10);
}

void TestTask::solution_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("73 times 6") << 6 << 73 << "420+18=438";
    QTest::newRow("8 times 47") << 8 << 47 << "320+56=376";
    QTest::newRow("smallest, 2 times 11") << 2 << 11 << "20+2=22";
    QTest::newRow("largest, 9 times 99") << 9 << 99 << "810+81=891";
    QTest::newRow("one-digit units product") << 2 << 13 << "20+6=26";
    QTest::newRow("three-digit tens product") << 5 << 24 << "100+20=120";
}

void TestTask::solution()
{
    QFETCH(int, factor);
    QFETCH(int, number);
    QFETCH(QString, expected);
    const Task task{factor, number / 10, number % 10, false};
    QCOMPARE(solutionText(QString::number(task.tensProduct()), QString::number(task.unitsProduct()), task.product()),
             expected);
}

void TestTask::drawMapsEachNumberToItsRange_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("factorFirst");
    const double justBelowOne = 1.0 - 0x1.0p-53;
    QTest::newRow("0") << 0.0 << 2 << 1 << false;
    QTest::newRow("just below 1/2") << 0.4999999 << 5 << 5 << false;
    QTest::newRow("1/2") << 0.5 << 6 << 5 << true;
    QTest::newRow("just below 1") << justBelowOne << 9 << 9 << true;
}

void TestTask::drawMapsEachNumberToItsRange()
{
    QFETCH(double, r);
    QFETCH(int, factor);
    QFETCH(int, digit);
    QFETCH(bool, factorFirst);
    const Task task = drawTask(r, r, r, r);
    QCOMPARE(task.factor, factor);
    QCOMPARE(task.units, digit);
    QCOMPARE(task.tens, digit);
    QCOMPARE(task.factorFirst, factorFirst);
}

void TestTask::drawCoversEveryTaskEvenly()
{
    // The four numbers go to factor, units, tens and order, in this order.
    const Task task = drawTask(0.0, 0.5, 0.99, 0.7);
    QCOMPARE(task.factor, 2);
    QCOMPARE(task.units, 5);
    QCOMPARE(task.tens, 9);
    QVERIFY(task.factorFirst);

    // A grid of equally spaced numbers hits every factor, digit and order equally often, and
    // never the units digit 0.
    QMap<int, int> factors, units, tens;
    int factorFirst = 0;
    const int steps = 72 * 10;
    for (int i = 0; i < steps; ++i) {
        const double r = (i + 0.5) / steps;
        const Task t = drawTask(r, r, r, r);
        ++factors[t.factor];
        ++units[t.units];
        ++tens[t.tens];
        factorFirst += t.factorFirst;
    }
    QCOMPARE(factors.keys(), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(units.keys(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int count : factors)
        QCOMPARE(count, steps / 8);
    for (int count : units)
        QCOMPARE(count, steps / 9);
    QCOMPARE(tens, units);
    QCOMPARE(factorFirst, steps / 2);
}

QTEST_GUILESS_MAIN(TestTask)
#include "tst_task.moc"
