#include "app/modul1.h"
#include "fakeplatform.h"
#include "ui/flatbutton.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/label.h"
#include "ui/look.h"
#include "ui/zuvlabel.h"

#include <QTest>

#include <memory>

namespace {

const QColor DesignBlue(0, 0, 192);
const QColor DarkBlue(0, 0, 128);
const QColor White(255, 255, 255);
const QString Instruction =
    QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche alle Zahlenpaare !");
const QString AnyTask = QString::fromUtf8(" 4 7 \u00b7 8 =");

// A main window with `solved` tasks solved; `answerRight` draws 47 times 8 next and, at a reward,
// deals the cards of `layout` (the values of cards 1 to 18).
struct Fixture {
    Modul1 state;
    FakePlatform platform;
    std::unique_ptr<Form1> form;

    explicit Fixture(int solved = 9)
    {
        form = std::make_unique<Form1>(state, platform);
        form->Form_Load();
        form->show();
        state.SolvedCount = solved;
        form->Bezeichnung4->setText(QString::number(solved));
    }

    void answerRight(const QString &layout = QStringLiteral("123456789123456789"))
    {
        platform.queueTask(8, 4, 7, false);
        // The deal draws 1 to 18: the first card of a value gets v, the second v + 9.
        QString seen;
        for (QChar c : layout) {
            const int v = c.digitValue();
            platform.randoms << ((seen.contains(c) ? v + 9 : v) - 0.5) / 18;
            seen += c;
        }
        state.InputText = state.SolutionText;
        form->Befehl11_Click();
    }

    Form5 &memory() const { return *form->memoryWindow(); }

    void click(int k) { QTest::mouseClick(memory().card(k), Qt::LeftButton); }

    // The cards as seen: "." face down, the digit when open, "W" when found.
    QString cards() const
    {
        QString seen;
        for (int k = 1; k <= 18; ++k) {
            const Label *c = memory().card(k);
            if (c->backColor() == White)
                seen += QLatin1Char('W');
            else if (c->text().isEmpty())
                seen += QLatin1Char('.');
            else
                seen += c->text().at(0);
        }
        return seen;
    }

    QString counter() const { return memory().Bezeichnung21->text(); }

    bool allFaceDown(const QColor &back) const
    {
        for (int k = 1; k <= 18; ++k)
            if (!memory().card(k)->text().isEmpty() || memory().card(k)->backColor() != back)
                return false;
        return true;
    }

    void expectMainWindowBack() const
    {
        QVERIFY(!memory().isVisible());
        QVERIFY(form->isVisible());
        QCOMPARE(state.InputText, QString());
        QCOMPARE(form->Bezeichnung2->text(), QString());
        QCOMPARE(form->Bezeichnung1->text(), AnyTask);
        QCOMPARE(counter(), QStringLiteral("1"));
        QVERIFY(allFaceDown(DarkBlue));
    }
};

} // namespace

class TestForm5 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStandWhereLaidOut_data();
    void controlsStandWhereLaidOut();
    void rewardEveryTenthTask_data();
    void rewardEveryTenthTask();
    void rewardIsAnnouncedBeforeTheMainWindowGoes();
    void clicks_data();
    void clicks();
    void perfectGameEndsAtNine();
    void stop_data();
    void stop();
    void secondGameKeepsPlaceAndDarkerCards();
    void closingTheWindowEndsTheGame();
    void keysChangeNothingDuringAGame();
    void infoWindowLeavesTheGameAlone();
};

void TestForm5::controlsStandWhereLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    for (int k = 1; k <= 18; ++k)
        QTest::addRow("Bezeichnung%d", k) << QStringLiteral("Bezeichnung%1").arg(k)
                                          << QRect(480 + 840 * ((k - 1) % 6), 1080 + 1320 * ((k - 1) / 6), 615, 1095);
    QTest::newRow("Befehl1") << "Befehl1" << QRect(240, 120, 855, 495);
    QTest::newRow("Bezeichnung19") << "Bezeichnung19" << QRect(1200, 120, 4335, 495);
    QTest::newRow("Bezeichnung21") << "Bezeichnung21" << QRect(2160, 5160, 495, 255);
    QTest::newRow("Bezeichnung20") << "Bezeichnung20" << QRect(2640, 5160, 1095, 255);
    QTest::newRow("Figur1") << "Figur1" << QRect(240, 840, 5295, 4215);
}

void TestForm5::controlsStandWhereLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Modul1 state;
    FakePlatform platform;
    Form5 window(state, platform, [] {});
    QCOMPARE(window.size(), QSize(387, 377));
    QCOMPARE(window.windowTitle(), QStringLiteral("Memory"));
    QVERIFY(!(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    QWidget *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), Look::twips(twips.x(), twips.y(), twips.width(), twips.height()));
    // Clicks on a card reach the card, not the frame above it.
    if (name.startsWith(QLatin1String("Bezeichnung")) && name.mid(11).toInt() <= 18)
        QCOMPARE(window.childAt(control->geometry().center()), control);
}

void TestForm5::rewardEveryTenthTask_data()
{
    QTest::addColumn<int>("solvedBefore");
    QTest::addColumn<bool>("reward");
    QTest::newRow("9th") << 8 << false;
    QTest::newRow("10th") << 9 << true;
    QTest::newRow("11th") << 10 << false;
    QTest::newRow("19th") << 18 << false;
    QTest::newRow("20th") << 19 << true;
    QTest::newRow("30th") << 29 << true;
}

void TestForm5::rewardEveryTenthTask()
{
    QFETCH(int, solvedBefore);
    QFETCH(bool, reward);
    Fixture f(solvedBefore);
    f.answerRight();
    QCOMPARE(f.form->memoryWindow() != nullptr, reward);
    QCOMPARE(f.form->isVisible(), !reward);
    QCOMPARE(f.platform.messages.size(), reward ? 1 : 0);
    QCOMPARE(f.form->gameRunning(), reward);
}

void TestForm5::rewardIsAnnouncedBeforeTheMainWindowGoes()
{
    Fixture f;
    bool mainVisibleWhileOpen = false;
    f.platform.whileMessageOpen = [&](const Message &) { mainVisibleWhileOpen = f.form->isVisible(); };
    f.answerRight();
    QVERIFY(mainVisibleWhileOpen);
    QCOMPARE(f.platform.messages, (QList<Message>{{QStringLiteral("Jetzt gibt es eine Belohnung."),
                                                   QStringLiteral("Memoryspiel"), MessageIcon::Information}}));
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.memory().isVisible());
    // Centred by its size as known when it was first shown.
    QCOMPARE(f.memory().pos(), Look::centredPosition(QSize(1024, 768), f.memory().size()));
    QCOMPARE(f.memory().Bezeichnung19->text(), Instruction);
    QCOMPARE(f.state.InputText, QString(18, QLatin1Char('1')));
    QCOMPARE(f.state.FirstCard, 0);
    QCOMPARE(f.state.SecondCard, 0);
    QCOMPARE(f.state.ClickedCard, 0);
    QCOMPARE(f.counter(), QStringLiteral("1"));
    QVERIFY(f.allFaceDown(DesignBlue));
    // The task drawn before the reward waits; the counters are untouched.
    QCOMPARE(f.form->Bezeichnung1->text(), AnyTask);
    QCOMPARE(f.state.SolvedCount, 10);
}

void TestForm5::clicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    // Layout: cards 1 to 9 hold 1 to 9, cards 10 to 18 again 1 to 9.
    QTest::newRow("first card opens") << QList<int>{1} << "1................." << "1" << 1 << 0;
    QTest::newRow("open card ignores a click") << QList<int>{1, 1} << "1................." << "1" << 1 << 0;
    QTest::newRow("unequal pair stays open") << QList<int>{1, 2} << "12................" << "2" << 1 << 2;
    QTest::newRow("shown pair ignores clicks") << QList<int>{1, 2, 2, 1} << "12................" << "2" << 1 << 2;
    QTest::newRow("next card turns the pair back") << QList<int>{1, 2, 3} << "..3..............." << "2" << 3 << 0;
    QTest::newRow("equal pair turns white") << QList<int>{1, 10} << "W........W........" << "2" << 1 << 10;
    QTest::newRow("found pair stays white") << QList<int>{1, 10, 2} << "W2.......W........" << "2" << 2 << 0;
    QTest::newRow("found card ignores a click") << QList<int>{1, 10, 10, 1} << "W........W........" << "2" << 1 << 10;
    QTest::newRow("attempts are counted") << QList<int>{1, 2, 3, 4, 5, 14} << "....W........W...." << "4" << 5 << 14;
}

void TestForm5::clicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, cards);
    QFETCH(QString, counter);
    QFETCH(int, first);
    QFETCH(int, second);
    Fixture f;
    f.answerRight();
    for (int k : clicks)
        f.click(k);
    QCOMPARE(f.cards(), cards);
    QCOMPARE(f.counter(), counter);
    QCOMPARE(f.state.FirstCard, first);
    QCOMPARE(f.state.SecondCard, second);
    // The card state follows the white cards.
    for (int k = 1; k <= 18; ++k)
        QCOMPARE(f.state.InputText.at(k - 1) == QLatin1Char('0'), cards.at(k - 1) == QLatin1Char('W'));
    // Clicks beside the cards change nothing.
    for (const char *name : {"Bezeichnung19", "Bezeichnung20", "Bezeichnung21"})
        QTest::mouseClick(f.memory().findChild<QWidget *>(QLatin1String(name)), Qt::LeftButton);
    QTest::mouseClick(&f.memory(), Qt::LeftButton, {}, QPoint(20, 370));
    QCOMPARE(f.cards(), cards);
    QCOMPARE(f.counter(), counter);
}

void TestForm5::perfectGameEndsAtNine()
{
    Fixture f;
    f.answerRight(QStringLiteral("912345678987654321"));
    f.platform.messages.clear();
    QString cardsAtEnd, counterAtEnd;
    f.platform.whileMessageOpen = [&](const Message &) {
        cardsAtEnd = f.cards();
        counterAtEnd = f.counter();
    };
    // Value v lies on card v + 1 (9 on card 1) and on card 19 - v.
    for (int v = 1; v <= 9; ++v) {
        f.click(v == 9 ? 1 : v + 1);
        f.click(v == 9 ? 10 : 19 - v);
    }
    QCOMPARE(f.platform.messages,
             (QList<Message>{{QStringLiteral("  Das Spiel ist beendet!"), QStringLiteral("Memory")}}));
    QCOMPARE(cardsAtEnd, QString(18, QLatin1Char('W')));
    QCOMPARE(counterAtEnd, QStringLiteral("9"));
    f.expectMainWindowBack();
}

void TestForm5::stop_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("answer");
    QTest::newRow("Nein in mid-game") << QList<int>{1, 10, 2, 3} << int(MessageAnswer::No);
    QTest::newRow("Ja in mid-game") << QList<int>{1, 10, 2, 3} << int(MessageAnswer::Yes);
    QTest::newRow("Ja with one card open") << QList<int>{4} << int(MessageAnswer::Yes);
    QTest::newRow("Ja right after the deal") << QList<int>{} << int(MessageAnswer::Yes);
}

void TestForm5::stop()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, answer);
    Fixture f;
    f.answerRight();
    for (int k : clicks)
        f.click(k);
    const QString cards = f.cards();
    const QString counter = f.counter();
    f.platform.messages.clear();
    f.platform.answers << MessageAnswer(answer);
    QTest::mouseClick(f.memory().Befehl1, Qt::LeftButton);
    QCOMPARE(f.platform.messages, (QList<Message>{{QStringLiteral("  Das Spiel jetzt beenden?"), QStringLiteral("Memory"),
                                                   MessageIcon::Error, MessageButtons::YesNo, 1}}));
    if (MessageAnswer(answer) == MessageAnswer::No) {
        QCOMPARE(f.cards(), cards);
        QCOMPARE(f.counter(), counter);
        QVERIFY(f.memory().isVisible());
        QVERIFY(!f.form->isVisible());
        // The game can still be finished.
        f.click(12);
        QCOMPARE(f.cards(), QStringLiteral("W........W.3......"));
        return;
    }
    f.expectMainWindowBack();
}

void TestForm5::secondGameKeepsPlaceAndDarkerCards()
{
    Fixture f;
    f.answerRight();
    f.click(1);
    f.platform.answers << MessageAnswer::Yes;
    f.memory().Befehl1_Click();
    f.memory().move(12, 34);
    f.platform.screen = QSize(1600, 1200);

    f.state.SolvedCount = 19;
    f.form->Bezeichnung4->setText(QStringLiteral("19"));
    f.answerRight(QStringLiteral("987654321123456789"));
    QVERIFY(f.memory().isVisible());
    QCOMPARE(f.memory().pos(), QPoint(12, 34));
    QVERIFY(f.allFaceDown(DarkBlue));
    QCOMPARE(f.counter(), QStringLiteral("1"));
    QCOMPARE(f.memory().Bezeichnung19->text(), Instruction);
    f.click(1);
    QCOMPARE(f.memory().card(1)->text().at(0), QLatin1Char('9'));
}

void TestForm5::closingTheWindowEndsTheGame()
{
    Fixture f;
    f.answerRight();
    f.click(1);
    f.click(2);
    f.memory().close();
    f.expectMainWindowBack();
    QCOMPARE(f.platform.messages.size(), 1);
}

void TestForm5::keysChangeNothingDuringAGame()
{
    Fixture f;
    f.answerRight();
    f.platform.messages.clear();
    for (Qt::Key key : {Qt::Key_4, Qt::Key_Backspace, Qt::Key_Equal, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(f.form->Befehl11, key);
    QCOMPARE(f.state.InputText, QString(18, QLatin1Char('1')));
    QCOMPARE(f.platform.messages.size(), 0);
}

void TestForm5::infoWindowLeavesTheGameAlone()
{
    // An information window left open beside the game must not bring back the main window.
    Fixture f;
    f.form->Bild5_Click();
    f.answerRight();
    f.click(1);
    f.form->infoWindow()->Bild1_Click();
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.memory().isVisible());
    QCOMPARE(f.state.InputText, QString(18, QLatin1Char('1')));
    QCOMPARE(f.cards(), QStringLiteral("1................."));
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
