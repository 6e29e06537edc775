#include "app/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a check on the next modal dialog as soon as it is open; the check closes it.
static void whenDialogOpens(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, qApp, [check] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog) {
            whenDialogOpens(check);
            return;
        }
        check(dialog);
    });
}

static QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineBreaksBecomeOneBreakEach_data();
    void lineBreaksBecomeOneBreakEach();
    void yesNoBoxIsGermanWithItsDefault_data();
    void yesNoBoxIsGermanWithItsDefault();
    void okBoxShowsTextWithBreaks();
    void inputBoxReturnsTextOrNothing_data();
    void inputBoxReturnsTextOrNothing();
    void clipboardHoldsTheTextAfterwards();

private:
    QtPlatform platform;
};

void TestQtPlatform::lineBreaksBecomeOneBreakEach_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("carriage return") << "a\rb\r\r" << "a\nb\n\n";
    QTest::newRow("line feed") << "a\nb" << "a\nb";
    QTest::newRow("CR LF") << "a\r\nb\r\n" << "a\nb\n";
    QTest::newRow("LF CR twice") << "a\n\r\n\rb" << "a\n\nb";
}

void TestQtPlatform::lineBreaksBecomeOneBreakEach()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(displayText(text), shown);
}

void TestQtPlatform::yesNoBoxIsGermanWithItsDefault_data()
{
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes Nein, the default") << 2 << true << int(MessageAnswer::No);
    QTest::newRow("Enter takes Ja, the default") << 1 << true << int(MessageAnswer::Yes);
    QTest::newRow("clicking Ja") << 2 << false << int(MessageAnswer::Yes);
}

void TestQtPlatform::yesNoBoxIsGermanWithItsDefault()
{
    QFETCH(int, defaultButton);
    QFETCH(bool, pressEnter);
    QFETCH(int, answer);
    QString title, text, defaultText;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = buttonTexts(box);
        defaultText = box->defaultButton()->text();
        if (pressEnter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            for (QAbstractButton *button : box->buttons())
                if (button->text() == QLatin1String("Ja"))
                    button->click();
    });
    const MessageAnswer result = platform.showMessage({QStringLiteral("Dieses Programm jetzt beenden?\r\r"),
                                                       QStringLiteral("Rovuva Raruredude"), MessageIcon::Error,
                                                       MessageButtons::YesNo, defaultButton});
    QCOMPARE(int(result), answer);
    QCOMPARE(title, QStringLiteral("Rovuva Raruredude"));
    QCOMPARE(text, QStringLiteral("Dieses Programm jetzt beenden?\n\n"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, (QStringList{"Ja", "Nein"}));
    QCOMPARE(defaultText, defaultButton == 2 ? QStringLiteral("Nein") : QStringLiteral("Ja"));
}

void TestQtPlatform::okBoxShowsTextWithBreaks()
{
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Critical;
    whenDialogOpens([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        text = box->text();
        icon = box->icon();
        buttons = buttonTexts(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    const MessageAnswer result = platform.showMessage(
        {QStringLiteral("Du hast 57% Fehler:\n\r\n\rDu musst noch etwas üben!"), QStringLiteral("Fehler"),
         MessageIcon::Information});
    QCOMPARE(result, MessageAnswer::Ok);
    QCOMPARE(text, QStringLiteral("Du hast 57% Fehler:\n\nDu musst noch etwas üben!"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QStringList{"OK"});
}

void TestQtPlatform::inputBoxReturnsTextOrNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("result");
    QTest::newRow("a name") << "Anna" << false << "Anna";
    QTest::newRow("a blank is a name") << " " << false << " ";
    QTest::newRow("cancelled") << "Anna" << true << "";
}

void TestQtPlatform::inputBoxReturnsTextOrNothing()
{
    QFETCH(QString, typed);
    QFETCH(bool, cancel);
    QFETCH(QString, result);
    QString title, label;
    QStringList buttons;
    whenDialogOpens([&](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QVERIFY(input);
        title = input->windowTitle();
        label = input->labelText();
        for (QPushButton *button : input->findChildren<QPushButton *>())
            buttons << button->text();
        buttons.sort();
        input->findChild<QLineEdit *>()->setText(typed);
        if (cancel)
            input->reject();
        else
            QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
    });
    QCOMPARE(platform.inputBox(QStringLiteral("Name eingeben:"), QStringLiteral("Neuer Benutzer"), QString()), result);
    QCOMPARE(title, QStringLiteral("Neuer Benutzer"));
    QCOMPARE(label, QStringLiteral("Name eingeben:"));
    QCOMPARE(buttons, (QStringList{"Abbrechen", "OK"}));
}

void TestQtPlatform::clipboardHoldsTheTextAfterwards()
{
    const QString text = QString::fromUtf8("Fehlerliste von ZUV-Rovuva Raruredude:\r\n\r\n 7 3 \u00b7 6 = _____ + ___ = _____\r\n");
    QVERIFY(platform.setClipboardText(text));
    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), text.toUtf8());
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
