#include "app/modul1.h"
#include "fakeplatform.h"
#include "ui/form1.h"
#include "ui/label.h"
#include "ui/picture.h"

#include <QListWidget>
#include <QTest>

#include <memory>

namespace {

// A main window on the scripted platform; `errors` lists the tasks answered wrongly, as
// (factor, tens, units), each shown two-digit number first.
struct Fixture {
    Modul1 state;
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    QList<int> listLeftWhileOpen;

    explicit Fixture(const QList<std::array<int, 3>> &errors = {})
    {
        form = std::make_unique<Form1>(state, platform);
        form->Form_Load();
        for (const auto &[factor, tens, units] : errors) {
            platform.queueTask(factor, tens, units, false);
            form->NewTask();
            form->Befehl11_Click();
        }
        platform.messages.clear();
        platform.whileMessageOpen = [this](const Message &) { listLeftWhileOpen << form->Liste1->x() * 15; };
    }

    QStringList listLines() const
    {
        QStringList lines;
        for (int i = 0; i < form->Liste1->count(); ++i)
            lines << form->Liste1->item(i)->text();
        return lines;
    }
};

const QString Header = QStringLiteral("Fehlerliste von ZUV-Rovuva Raruredude:\r\n\r\n");
const QString Line73 = QString::fromUtf8(" 7 3 \u00b7 6 = _____ + ___ = _____");
const QString Line47 = QString::fromUtf8(" 4 7 \u00b7 8 = _____ + ___ = _____");

const Message AskCopy{QStringLiteral("Die Fehlerliste kopieren?\r\r"), QStringLiteral("Fehlerliste kopieren"),
                      MessageIcon::Question, MessageButtons::YesNo, 2};
const Message Copied{QStringLiteral("Die Fehlerliste wurde kopiert und kann nun\r"
                                   "in die Textverarbeitung eingefügt werden.\r"),
                     QStringLiteral("Fehlerliste kopieren")};
const Message NoErrors{QStringLiteral("Es sind keine Fehler vorhanden!\r\r"), QStringLiteral("Fehlerliste abbrechen")};

} // namespace

class TestToolbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void evaluationReadsTheCounters();
    void helpAndRewardBoxes_data();
    void helpAndRewardBoxes();
    void exportWithEmptyList();
    void exportAnsweredNo();
    void exportAnsweredYes();
    void exportWhenTheClipboardFails();
    void userChange_data();
    void userChange();
    void userChangeKeepsCountersAndColours();
};

void TestToolbar::evaluationReadsTheCounters()
{
    Fixture f;
    QTest::mouseClick(f.form->pictures[1], Qt::LeftButton);
    QCOMPARE(f.platform.messages.last(), (Message{QStringLiteral("Du hast noch keine richtige Lösung!"),
                                                  QStringLiteral("Fehler"), MessageIcon::Information}));
    f.state.ErrorCount = 29;
    f.state.SolvedCount = 50;
    f.form->Bild2_Click();
    f.form->Bild2_Click();
    QCOMPARE(f.platform.messages.size(), 3);
    QCOMPARE(f.platform.messages[1], (Message{QStringLiteral("Du hast 57% Fehler:\n\r\n\rDu musst noch etwas üben!"),
                                              QStringLiteral("Fehler"), MessageIcon::Information}));
    QCOMPARE(f.platform.messages[2], f.platform.messages[1]);
    QCOMPARE(f.state.ErrorCount, 29);
}

void TestToolbar::helpAndRewardBoxes_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("solvedCaption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("start");
    QTest::newRow("Hilfe") << 7 << "0" << "Zerlegungsaufgabe" << int(MessageIcon::None) << "Rechne so:\r\r73 ";
    QTest::newRow("Tasten") << 8 << "0" << "Tasteneingabe" << int(MessageIcon::None) << "Klicke mit der Maus";
    QTest::newRow("smiling face") << 3 << "0" << "Belohnung" << int(MessageIcon::Information) << "Nach 10 Aufgaben";
    QTest::newRow("Memo at start") << 4 << "0" << "Belohnung" << int(MessageIcon::Warning) << "Noch 10 Aufgaben";
    QTest::newRow("Memo reads the caption") << 4 << "13" << "Belohnung" << int(MessageIcon::Warning) << "Noch 7 Aufgaben";
}

void TestToolbar::helpAndRewardBoxes()
{
    QFETCH(int, picture);
    QFETCH(QString, solvedCaption);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QString, start);
    Fixture f;
    f.form->Bezeichnung4->setText(solvedCaption);
    QTest::mouseClick(f.form->pictures[picture - 1], Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    const Message &shown = f.platform.messages[0];
    QCOMPARE(shown.title, title);
    QCOMPARE(int(shown.icon), icon);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QVERIFY2(shown.text.startsWith(start), qPrintable(shown.text));
    QCOMPARE(f.state.SolvedCount, 0);
}

void TestToolbar::exportWithEmptyList()
{
    Fixture f;
    f.platform.clipboard = QStringLiteral("before");
    QTest::mouseClick(f.form->pictures[5], Qt::LeftButton);
    QCOMPARE(f.platform.messages, QList<Message>{NoErrors});
    QCOMPARE(f.listLeftWhileOpen, QList<int>{3600});
    QCOMPARE(f.form->Liste1->x() * 15, 8400);
    QCOMPARE(f.platform.clipboard, QStringLiteral("before"));
}

void TestToolbar::exportAnsweredNo()
{
    Fixture f({{6, 7, 3}, {6, 7, 3}, {8, 4, 7}});
    QCOMPARE(f.listLines(), (QStringList{Line73, Line47}));
    f.platform.answers << MessageAnswer::No;
    f.form->Bild6_Click();
    QCOMPARE(f.platform.messages, QList<Message>{AskCopy});
    QCOMPARE(f.listLeftWhileOpen, QList<int>{3600});
    QCOMPARE(f.form->Liste1->x() * 15, 8400);
    QCOMPARE(f.listLines(), (QStringList{Line73, Line47}));
    QCOMPARE(f.platform.clipboard, QString());
}

void TestToolbar::exportAnsweredYes()
{
    Fixture f({{6, 7, 3}, {8, 4, 7}});
    f.platform.answers << MessageAnswer::Yes;
    f.form->Bild6_Click();
    QCOMPARE(f.platform.messages, (QList<Message>{AskCopy, Copied}));
    QCOMPARE(f.listLeftWhileOpen, (QList<int>{3600, 8400}));
    QCOMPARE(f.form->Liste1->x() * 15, 8400);
    QCOMPARE(f.platform.clipboard, Header + Line73 + QStringLiteral("\r\n") + Line47 + QStringLiteral("\r\n"));
    QCOMPARE(f.form->Liste1->count(), 0);
    QCOMPARE(f.state.ErrorCount, 2);

    // The list is empty now, although errors were counted.
    f.form->Bild6_Click();
    QCOMPARE(f.platform.messages.last(), NoErrors);
}

void TestToolbar::exportWhenTheClipboardFails()
{
    Fixture f({{6, 7, 3}});
    f.platform.clipboardWorks = false;
    f.platform.answers << MessageAnswer::Yes;
    f.form->Bild6_Click();
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages[1].icon, MessageIcon::Warning);
    QVERIFY(f.platform.messages[1].text.startsWith(QStringLiteral("Die Fehlerliste konnte nicht")));
    QCOMPARE(f.listLines(), QStringList{Line73});
    QCOMPARE(f.form->Liste1->x() * 15, 8400);
}

void TestToolbar::userChange_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("linesAfter");
    QTest::addColumn<QString>("clipboard");
    const QString start = QStringLiteral("Rovuva Raruredude: Freund und Gast");
    QTest::newRow("cancelled or empty") << 1 << "" << QList<MessageAnswer>{} << start << 0 << 1 << "";
    QTest::newRow("a blank is a name") << 1 << " " << QList<MessageAnswer>{MessageAnswer::No}
                                       << "Rovuva Raruredude:  " << 1 << 0 << "";
    QTest::newRow("empty list: no export box") << 0 << "Anna" << QList<MessageAnswer>{} << "Rovuva Raruredude: Anna"
                                               << 0 << 0 << "";
    QTest::newRow("Nein discards the list") << 1 << "Ben" << QList<MessageAnswer>{MessageAnswer::No}
                                            << "Rovuva Raruredude: Ben" << 1 << 0 << "";
    QTest::newRow("Ja copies, then discards") << 1 << "Ben" << QList<MessageAnswer>{MessageAnswer::Yes}
                                              << "Rovuva Raruredude: Ben" << 2 << 0
                                              << Header + Line73 + QStringLiteral("\r\n");
}

void TestToolbar::userChange()
{
    QFETCH(int, errors);
    QFETCH(QString, typed);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, title);
    QFETCH(int, boxes);
    QFETCH(int, linesAfter);
    QFETCH(QString, clipboard);
    Fixture f(errors ? QList<std::array<int, 3>>{{6, 7, 3}} : QList<std::array<int, 3>>{});
    f.platform.inputAnswers << typed;
    f.platform.answers = answers;
    QString titleWhileAsked;
    f.platform.whileMessageOpen = [&](const Message &) { titleWhileAsked = f.form->windowTitle(); };
    QTest::mouseClick(f.form->pictures[8], Qt::LeftButton);
    QCOMPARE(f.platform.inputPrompts, (QList<QStringList>{{"Name eingeben:", "Neuer Benutzer", ""}}));
    QCOMPARE(f.form->windowTitle(), title);
    QCOMPARE(f.platform.messages.size(), boxes);
    if (boxes > 0) {
        QCOMPARE(f.platform.messages[0], AskCopy);
        QCOMPARE(titleWhileAsked, title);
    }
    QCOMPARE(f.form->Liste1->count(), linesAfter);
    QCOMPARE(f.platform.clipboard, clipboard);
}

void TestToolbar::userChangeKeepsCountersAndColours()
{
    Fixture f;
    for (int i = 0; i < 51; ++i)
        f.form->Befehl11_Click();
    f.form->Befehl4_Click();
    f.platform.inputAnswers << QStringLiteral("Carla");
    f.platform.answers << MessageAnswer::No;
    f.form->Bild9_Click();
    QCOMPARE(f.state.ErrorCount, 51);
    QCOMPARE(f.form->Bezeichnung3->text(), QStringLiteral("51"));
    QCOMPARE(f.state.InputText, QStringLiteral("4"));
    QCOMPARE(f.form->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(f.form->Liste1->count(), 0);
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
