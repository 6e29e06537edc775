#include "app/randomgenerator.h"

#include <QTest>

class TestRandomGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reseedWithinOneClockTickGivesNewNumbers();
    void numbersStayBelowOne();
    void sameHistoryRepeatsTheSameNumbers();
};

void TestRandomGenerator::reseedWithinOneClockTickGivesNewNumbers()
{
    // Two tasks drawn within the same clock tick must not repeat each other.
    RandomGenerator generator;
    generator.randomize(43200.5);
    const double first = generator.next();
    generator.randomize(43200.5);
    QVERIFY(generator.next() != first);
}

void TestRandomGenerator::numbersStayBelowOne()
{
    RandomGenerator generator;
    generator.randomize(1.25);
    double sum = 0;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        const double r = generator.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        sum += r;
    }
    // The mean of 100000 uniform numbers lies within 0.5 +- 0.005 (more than five standard deviations).
    QVERIFY(qAbs(sum / n - 0.5) < 0.005);
}

void TestRandomGenerator::sameHistoryRepeatsTheSameNumbers()
{
    RandomGenerator a, b;
    a.randomize(10.0);
    b.randomize(10.0);
    QCOMPARE(a.next(), b.next());
}

QTEST_GUILESS_MAIN(TestRandomGenerator)
#include "tst_randomgenerator.moc"
