#include "app/modul1.h"
#include "fakeplatform.h"
#include "ui/flatbutton.h"
#include "ui/form1.h"
#include "ui/label.h"
#include "ui/picture.h"

#include <QListWidget>
#include <QTest>

#include <memory>

namespace {

const QString AnyTask = QString::fromUtf8(" 7 3 \u00b7 6 =");

// A main window on the scripted platform whose first task is 73 times 6, two-digit number first.
struct Fixture {
    Modul1 state;
    FakePlatform platform;
    std::unique_ptr<Form1> form;

    Fixture()
    {
        platform.queueTask(6, 7, 3, false);
        form = std::make_unique<Form1>(state, platform);
        form->Form_Load();
    }

    // Answers the task on screen right, from its expected answer.
    void answerRight()
    {
        const QString digits = QString(state.SolutionText).remove(QLatin1Char('+')).remove(QLatin1Char('='));
        for (QChar c : digits)
            form->Form_KeyPress(c.unicode());
        form->Befehl11_Click();
    }
};

QWidget *child(QWidget *form, const char *name)
{
    return form->findChild<QWidget *>(QLatin1String(name));
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup() { f.reset(); }

    void controlsStandWhereLaidOut_data();
    void controlsStandWhereLaidOut();
    void windowIsFixedAndCentred();
    void picturesAndButtonsLieAboveLabels();
    void tabVisitsPicturesAndOkInTabOrder();
    void firstTaskIsShownBeforeTheWindow();
    void newTaskSeedsFromTheClockEveryTime();
    void keysFillTheAnswerLine_data();
    void keysFillTheAnswerLine();
    void keyPreviewBelongsToTheMainWindowOnly();
    void enterRunsTheCheckExactlyOnce_data();
    void enterRunsTheCheckExactlyOnce();
    void buttonBackspace_data();
    void buttonBackspace();
    void keyBackspaceLeavesTheFocus();
    void lengthGuardDropsTheTwentyFirstCharacter();
    void wrongAnswerIsReportedCountedAndListedOnce();
    void sameTaskInTheOtherOrderIsAnotherLine();
    void rightAnswerCountsAndDrawsTheNextTask();
    void windowTurnsRedFromTheFiftyFirstError();
    void errorCountStopsAtItsLimit();
    void exitAsksFirst_data();
    void exitAsksFirst();

private:
    std::unique_ptr<Fixture> f;
};

void TestForm1::controlsStandWhereLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char *name, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h);
    };
    row("Figur1", 0, 0, 7695, 975);
    row("Figur2", 0, 2760, 7695, 975);
    const int pictureLefts[] = {240, 1920, 1080, 5280, 6960, 3600, 2760, 6120, 4440};
    for (int i = 0; i < 9; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Bild%1").arg(i + 1)))
            << QStringLiteral("Bild%1").arg(i + 1) << QRect(pictureLefts[i], 120, 495, 495);
    row("Bezeichnung10", 120, 600, 735, 255);
    row("Bezeichnung4", 1080, 600, 495, 255);
    row("Bezeichnung3", 1920, 600, 495, 255);
    row("Bezeichnung14", 2640, 600, 735, 255);
    row("Bezeichnung12", 3480, 600, 735, 255);
    row("Bezeichnung7", 4320, 600, 735, 255);
    row("Bezeichnung11", 5160, 600, 735, 255);
    row("Bezeichnung15", 6000, 600, 735, 255);
    row("Bezeichnung16", 6960, 600, 495, 255);
    row("Bezeichnung1", 240, 1560, 2295, 615);
    row("Bezeichnung2", 2640, 1560, 4815, 615);
    for (int i = 0; i < 10; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Befehl%1").arg(i + 1)))
            << QStringLiteral("Befehl%1").arg(i + 1) << QRect(240 + 600 * i, 3000, 495, 495);
    row("Befehl18", 6240, 3000, 615, 495);
    row("Befehl11", 6960, 3000, 495, 495);
    row("Liste1", 8400, 840, 2655, 2760);
    row("Bezeichnung5", 8400, 3720, 2295, 255);
    row("Bezeichnung6", 8400, 4080, 2295, 255);
    row("Bezeichnung13", 8400, 4440, 2295, 255);
}

void TestForm1::controlsStandWhereLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget *control = f->form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QVERIFY(!control->isHidden());
}

void TestForm1::windowIsFixedAndCentred()
{
    Form1 &form = *f->form;
    QCOMPARE(form.size(), QSize(515, 250));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.windowTitle(), QStringLiteral("Rovuva Raruredude: Freund und Gast"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(128, 255, 255));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.pos(), QPoint((1024 - 515) / 2, (768 - 250) / 2));

    // A window larger than the screen gets a negative position.
    Modul1 state;
    FakePlatform small;
    small.screen = QSize(320, 200);
    Form1 other(state, small);
    other.Form_Load();
    QCOMPARE(other.pos(), QPoint(-98, -25));
}

void TestForm1::picturesAndButtonsLieAboveLabels()
{
    Form1 &form = *f->form;
    for (const char *name : {"Bild1", "Bild3", "Bild2", "Befehl1", "Befehl11", "Befehl18"}) {
        QWidget *control = child(&form, name);
        QCOMPARE(form.childAt(control->geometry().center()), control);
    }
    QCOMPARE(form.childAt(QPoint(80, 45)), child(&form, "Bezeichnung4"));
    // The bands lie beneath everything and take no clicks.
    QCOMPARE(form.childAt(QPoint(2, 2)), nullptr);
}

void TestForm1::tabVisitsPicturesAndOkInTabOrder()
{
    // The keypad and the labels are no tab stops; the pictures and "OK" are, in this order.
    Form1 &form = *f->form;
    QStringList visited;
    QWidget *w = form.pictures[0];
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            visited << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.pictures[0]);
    QCOMPARE(visited, (QStringList{"Bild1", "Bild2", "Bild3", "Bild5", "Bild4", "Bild6", "Bild7", "Bild8", "Befehl11", "Bild9"}));
}

void TestForm1::firstTaskIsShownBeforeTheWindow()
{
    Form1 &form = *f->form;
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Bezeichnung1->text(), AnyTask);
    QCOMPARE(form.Bezeichnung5->text(), QStringLiteral("420"));
    QCOMPARE(form.Bezeichnung6->text(), QStringLiteral("18"));
    QCOMPARE(form.Bezeichnung13->text(), QStringLiteral("420+18=438"));
    QCOMPARE(f->state.SolutionText, QStringLiteral("420+18=438"));
    QCOMPARE(f->state.TaskProduct, 438);
    QCOMPARE(form.Bezeichnung2->text(), QString());
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("0"));
    QCOMPARE(f->state.SolvedCount, 0);
    QCOMPARE(form.Liste1->count(), 0);
}

void TestForm1::newTaskSeedsFromTheClockEveryTime()
{
    // Form_Load seeds, and so does its first NewTask.
    QCOMPARE(f->platform.seeds.size(), 2);
    f->platform.time = 3600.25;
    f->form->NewTask();
    QCOMPARE(f->platform.seeds.size(), 3);
    QCOMPARE(f->platform.seeds.last(), 3600.25);
}

void TestForm1::keysFillTheAnswerLine_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("line");
    QTest::newRow("digits") << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_0, Qt::Key_1} << "420+1";
    QTest::newRow("whole answer")
        << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_0, Qt::Key_1, Qt::Key_8, Qt::Key_4, Qt::Key_3, Qt::Key_8}
        << "420+18=438";
    QTest::newRow("symbol replaces the line") << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_Equal, Qt::Key_4} << "=4";
    QTest::newRow("greater and less") << QList<int>{Qt::Key_Greater, Qt::Key_Less} << "<";
    QTest::newRow("other keys do nothing") << QList<int>{Qt::Key_A, Qt::Key_Minus, Qt::Key_Space, Qt::Key_4} << "4";
    QTest::newRow("keyboard backspace") << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_0, Qt::Key_Backspace, Qt::Key_1}
                                        << "4201";
}

void TestForm1::keysFillTheAnswerLine()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, line);
    Form1 &form = *f->form;
    for (int key : keys) {
        const QString text = key == Qt::Key_Backspace ? QStringLiteral("\b") : QString(QChar(key)).toLower();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(form.Befehl11, &press);
    }
    QCOMPARE(f->state.InputText, line);
    QCOMPARE(form.Bezeichnung2->text(), line);
}

void TestForm1::keyPreviewBelongsToTheMainWindowOnly()
{
    // Keypad digits type like digits; a key sent to another window does not reach the main window.
    Form1 &form = *f->form;
    QTest::keyClick(form.digitButtons[0], Qt::Key_4, Qt::KeypadModifier);
    QCOMPARE(f->state.InputText, QStringLiteral("4"));
    QWidget other;
    QTest::keyClick(&other, Qt::Key_2);
    QTest::keyClick(&other, Qt::Key_Return);
    QCOMPARE(f->state.InputText, QStringLiteral("4"));
    QCOMPARE(f->platform.messages.size(), 0);
}

void TestForm1::enterRunsTheCheckExactlyOnce_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return on OK") << "Befehl11" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter on OK") << "Befehl11" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Return on a digit button") << "Befehl4" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Return on a picture") << "Bild2" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Shift+Return on the list") << "Liste1" << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Return on the window") << "Form1" << int(Qt::Key_Return) << int(Qt::ControlModifier);
}

void TestForm1::enterRunsTheCheckExactlyOnce()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Form1 &form = *f->form;
    QWidget *target = focus == QLatin1String("Form1") ? &form : form.findChild<QWidget *>(focus);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // The empty answer line is wrong.
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages[0].title, QStringLiteral("Rechenfehler"));
    QCOMPARE(f->state.ErrorCount, 1);
}

void TestForm1::buttonBackspace_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("focusOnOk");
    QTest::newRow("empty line: stays empty, focus to OK") << "" << "" << true;
    QTest::newRow("one character: emptied, focus to OK") << "4" << "" << true;
    QTest::newRow("longer line: one less, focus stays") << "420+" << "420" << false;
}

void TestForm1::buttonBackspace()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, focusOnOk);
    Form1 &form = *f->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    f->state.InputText = before;
    form.Befehl18->setFocus();
    QTest::mouseClick(form.Befehl18, Qt::LeftButton);
    QCOMPARE(f->state.InputText, after);
    QCOMPARE(form.Bezeichnung2->text(), after);
    QCOMPARE(QApplication::focusWidget(), focusOnOk ? form.Befehl11 : form.Befehl18);
}

void TestForm1::keyBackspaceLeavesTheFocus()
{
    Form1 &form = *f->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Befehl18->setFocus();
    QTest::keyClick(form.Befehl18, Qt::Key_Backspace);
    QCOMPARE(f->state.InputText, QString());
    QCOMPARE(QApplication::focusWidget(), form.Befehl18);
    // Digit buttons put the focus on OK.
    QTest::mouseClick(form.digitButtons[3], Qt::LeftButton);
    QCOMPARE(f->state.InputText, QStringLiteral("4"));
    QCOMPARE(QApplication::focusWidget(), form.Befehl11);
}

void TestForm1::lengthGuardDropsTheTwentyFirstCharacter()
{
    Form1 &form = *f->form;
    for (int i = 0; i < 25; ++i)
        form.Befehl10_Click();
    QCOMPARE(f->state.InputText, QStringLiteral("000+00=0000000000000"));
    QCOMPARE(form.Bezeichnung2->text().size(), 20);
    QCOMPARE(form.Bezeichnung2->size(), QSize(321, 41));
}

void TestForm1::wrongAnswerIsReportedCountedAndListedOnce()
{
    Form1 &form = *f->form;
    form.Befehl4_Click();
    form.Befehl2_Click();
    QString shownWhileOpen;
    f->platform.whileMessageOpen = [&](const Message &) { shownWhileOpen = form.Bezeichnung2->text(); };
    form.Befehl11_Click();

    QCOMPARE(f->platform.beeps, 1);
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages[0], (Message{QStringLiteral("Das ist leider falsch!\r"), QStringLiteral("Rechenfehler"),
                                               MessageIcon::None, MessageButtons::Ok, 1}));
    QCOMPARE(shownWhileOpen, QStringLiteral("42"));
    QCOMPARE(f->state.ErrorCount, 1);
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("1"));
    QCOMPARE(f->state.InputText, QString());
    QCOMPARE(form.Bezeichnung2->text(), QString());
    QCOMPARE(form.Liste1->count(), 1);
    QCOMPARE(form.Liste1->item(0)->text(), AnyTask + QStringLiteral(" _____ + ___ = _____"));

    // Two more wrong answers to the same task: counted, but listed once; the task stays.
    form.Befehl11_Click();
    form.Befehl11_Click();
    QCOMPARE(f->state.ErrorCount, 3);
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("3"));
    QCOMPARE(form.Liste1->count(), 1);
    QCOMPARE(form.Bezeichnung1->text(), AnyTask);
    QCOMPARE(f->state.SolvedCount, 0);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("0"));
}

void TestForm1::sameTaskInTheOtherOrderIsAnotherLine()
{
    Form1 &form = *f->form;
    form.Befehl11_Click();
    f->platform.queueTask(6, 7, 3, true);
    form.NewTask();
    form.Befehl11_Click();
    QCOMPARE(form.Liste1->count(), 2);
    QCOMPARE(form.Liste1->item(1)->text(), QString::fromUtf8(" 6 \u00b7 7 3 = _____ + ___ = _____"));
}

void TestForm1::rightAnswerCountsAndDrawsTheNextTask()
{
    Form1 &form = *f->form;
    // A missing separator is wrong even with the right digits.
    f->state.InputText = QStringLiteral("42018=438");
    form.Befehl11_Click();
    QCOMPARE(f->state.ErrorCount, 1);

    f->platform.queueTask(8, 4, 7, true);
    f->answerRight();
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->state.SolvedCount, 1);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("1"));
    QCOMPARE(f->state.ErrorCount, 1);
    QCOMPARE(form.Bezeichnung1->text(), QString::fromUtf8(" 8 \u00b7 4 7 ="));
    QCOMPARE(f->state.SolutionText, QStringLiteral("320+56=376"));
    QCOMPARE(f->state.InputText, QString());
    QCOMPARE(form.Bezeichnung2->text(), QString());
}

void TestForm1::windowTurnsRedFromTheFiftyFirstError()
{
    Form1 &form = *f->form;
    const QColor paleCyan(128, 255, 255);
    for (int i = 0; i < 50; ++i)
        form.Befehl11_Click();
    QCOMPARE(form.palette().color(QPalette::Window), paleCyan);
    QCOMPARE(form.Bezeichnung1->backColor(), paleCyan);
    QCOMPARE(form.Bezeichnung2->backColor(), paleCyan);
    form.Befehl11_Click();
    QCOMPARE(form.Bezeichnung3->text(), QStringLiteral("51"));
    for (const QColor &c : {form.palette().color(QPalette::Window), form.Bezeichnung1->backColor(), form.Bezeichnung2->backColor()})
        QCOMPARE(c, QColor(255, 0, 0));
    // It stays red after right answers too.
    f->answerRight();
    QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 0, 0));
}

void TestForm1::errorCountStopsAtItsLimit()
{
    f->state.ErrorCount = 32767;
    f->form->Befehl11_Click();
    QCOMPARE(f->state.ErrorCount, 32767);
    QCOMPARE(f->form->Bezeichnung3->text(), QStringLiteral("32767"));
}

void TestForm1::exitAsksFirst_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("quits");
    for (const char *way : {"Escape", "Ende", "frame"}) {
        QTest::addRow("%s, Nein", way) << way << int(MessageAnswer::No) << 0;
        QTest::addRow("%s, Ja", way) << way << int(MessageAnswer::Yes) << 1;
    }
}

void TestForm1::exitAsksFirst()
{
    QFETCH(QString, way);
    QFETCH(int, answer);
    QFETCH(int, quits);
    Form1 &form = *f->form;
    form.Befehl4_Click();
    f->platform.answers << MessageAnswer(answer);
    if (way == QLatin1String("Escape"))
        QTest::keyClick(form.Befehl11, Qt::Key_Escape);
    else if (way == QLatin1String("Ende"))
        QTest::mouseClick(form.pictures[0], Qt::LeftButton);
    else
        form.close();
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages[0],
             (Message{QStringLiteral("Dieses Programm jetzt beenden?\r\r"), QStringLiteral("Rovuva Raruredude"),
                      MessageIcon::Error, MessageButtons::YesNo, 2}));
    QCOMPARE(f->platform.quits, quits);
    QCOMPARE(f->state.InputText, QStringLiteral("4"));
    QCOMPARE(form.Bezeichnung1->text(), AnyTask);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
