#include "feedback/evaluation.h"

#include <QTest>

class TestEvaluation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentageAndJudgement_data();
    void percentageAndJudgement();
    void nothingSolvedYet_data();
    void nothingSolvedYet();
};

void TestEvaluation::percentageAndJudgement_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("solved");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("judgement");
    QTest::newRow("no errors") << 0 << 1 << " 0" << "Das ist einfach Spitze!";
    QTest::newRow("4.76 shows 4") << 1 << 21 << " 4" << "Das ist einfach Spitze!";
    QTest::newRow("exactly 5") << 1 << 20 << " 5" << "Das hast du prima gemacht!";
    QTest::newRow("exactly 10") << 1 << 10 << " 10" << "Das hast du gut gemacht!";
    QTest::newRow("exactly 20") << 1 << 5 << " 20" << "Das klappt schon fast gut!";
    QTest::newRow("exactly 30") << 3 << 10 << " 30" << "Schon recht ordentlich!";
    QTest::newRow("exactly 40") << 2 << 5 << " 40" << "Das geht gerade noch so!";
    QTest::newRow("exactly 50") << 1 << 2 << " 50" << "Du musst noch etwas üben!";
    QTest::newRow("57.999... shows 57") << 29 << 50 << " 57" << "Du musst noch etwas üben!";
    QTest::newRow("exactly 60") << 3 << 5 << " 60" << "Du musst viel mehr üben!";
    QTest::newRow("66.67 shows 66") << 2 << 3 << " 66" << "Du musst viel mehr üben!";
    QTest::newRow("exactly 70") << 7 << 10 << " 70" << "Du machst zu viele Fehler!";
    QTest::newRow("150") << 3 << 2 << " 150" << "Du machst zu viele Fehler!";
    QTest::newRow("largest error count") << 32767 << 1 << " 3276700" << "Du machst zu viele Fehler!";
}

void TestEvaluation::percentageAndJudgement()
{
    QFETCH(int, errors);
    QFETCH(int, solved);
    QFETCH(QString, shown);
    QFETCH(QString, judgement);
    QCOMPARE(evaluationText(static_cast<std::int16_t>(errors), solved),
             QStringLiteral("Du hast") + shown + QStringLiteral("% Fehler:\n\r\n\r") + judgement);
}

void TestEvaluation::nothingSolvedYet_data()
{
    QTest::addColumn<int>("errors");
    QTest::newRow("right after start") << 0;
    QTest::newRow("after wrong answers") << 12;
}

void TestEvaluation::nothingSolvedYet()
{
    QFETCH(int, errors);
    QCOMPARE(evaluationText(static_cast<std::int16_t>(errors), 0), QStringLiteral("Du hast noch keine richtige Lösung!"));
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
