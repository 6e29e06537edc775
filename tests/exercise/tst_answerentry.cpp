#include "exercise/answerentry.h"

#include <QTest>

Q_DECLARE_METATYPE(KeyCommand)

// Types a string into the answer line as the learner would: every character is appended (or, for
// a symbol, replaces the line) and the separators are inserted after it.
static QString typed(const QString &keys, const QString &solution)
{
    QString input;
    for (QChar key : keys) {
        if (key.isDigit())
            input.append(key);
        else
            input = key;
        input = inputChanged(input, solution);
    }
    return input;
}

class TestAnswerEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatorsAppearByPosition_data();
    void separatorsAppearByPosition();
    void lengthGuardKeepsTwentyCharacters();
    void removeLastCharacter_data();
    void removeLastCharacter();
    void deletedSeparatorIsNotInsertedAgain();
    void keyDown_data();
    void keyDown();
    void keyPress_data();
    void keyPress();
};

void TestAnswerEntry::separatorsAppearByPosition_data()
{
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit") << "420+18=438" << "4" << "4";
    QTest::newRow("plus after the tens product") << "420+18=438" << "420" << "420+";
    QTest::newRow("first units digit") << "420+18=438" << "4201" << "420+1";
    QTest::newRow("equals after the units product") << "420+18=438" << "42018" << "420+18=";
    QTest::newRow("whole answer") << "420+18=438" << "42018438" << "420+18=438";
    QTest::newRow("wrong digits get separators too") << "20+2=22" << "35" << "35+";
    QTest::newRow("one-digit units product") << "20+2=22" << "202" << "20+2=";
    QTest::newRow("beyond the answer nothing is added") << "20+2=22" << "20222222" << "20+2=22222";
    QTest::newRow("symbol replaces the line") << "420+18=438" << "42=" << "=";
    QTest::newRow("digits follow a symbol") << "420+18=438" << "=4" << "=4";
    QTest::newRow("greater") << "420+18=438" << "420>" << ">";
    QTest::newRow("separator after a symbol, by position") << "20+2=22" << "+2" << "+2+";
}

void TestAnswerEntry::separatorsAppearByPosition()
{
    QFETCH(QString, solution);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QCOMPARE(typed(keys, solution), expected);
}

void TestAnswerEntry::lengthGuardKeepsTwentyCharacters()
{
    const QString solution = QStringLiteral("420+18=438");
    QString line = typed(QStringLiteral("42018438999999999999"), solution);
    QCOMPARE(line.size(), 20);
    QCOMPARE(inputChanged(line + QLatin1Char('7'), solution), line);
    // Eleven characters are not cut to ten.
    QCOMPARE(inputChanged(QStringLiteral("12345678901"), QString()), QStringLiteral("12345678901"));
}

void TestAnswerEntry::removeLastCharacter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("one character") << "4" << "";
    QTest::newRow("separator") << "420+" << "420";
    QTest::newRow("digit") << "420+18=43" << "420+18=4";
}

void TestAnswerEntry::removeLastCharacter()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(removeLast(before), after);
}

void TestAnswerEntry::deletedSeparatorIsNotInsertedAgain()
{
    const QString solution = QStringLiteral("420+18=438");
    const QString line = removeLast(typed(QStringLiteral("420"), solution));
    QCOMPARE(inputChanged(line + QLatin1Char('1'), solution), QStringLiteral("4201"));
}

void TestAnswerEntry::keyDown_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("action");
    QTest::newRow("Enter") << 13 << int(KeyAction::Check);
    QTest::newRow("Escape") << 27 << int(KeyAction::Exit);
    QTest::newRow("Backspace") << 8 << int(KeyAction::Backspace);
    QTest::newRow("Tab") << 9 << int(KeyAction::None);
    QTest::newRow("Space") << 32 << int(KeyAction::None);
    QTest::newRow("digit key") << 52 << int(KeyAction::None);
}

void TestAnswerEntry::keyDown()
{
    QFETCH(int, keyCode);
    QFETCH(int, action);
    QCOMPARE(int(keyDownCommand(keyCode).action), action);
}

void TestAnswerEntry::keyPress_data()
{
    QTest::addColumn<int>("charCode");
    QTest::addColumn<KeyCommand>("command");
    QTest::newRow("0") << int('0') << KeyCommand{KeyAction::Digit, QChar(u'0')};
    QTest::newRow("9") << int('9') << KeyCommand{KeyAction::Digit, QChar(u'9')};
    QTest::newRow(">") << int('>') << KeyCommand{KeyAction::Symbol, QChar(u'>')};
    QTest::newRow("=") << int('=') << KeyCommand{KeyAction::Symbol, QChar(u'=')};
    QTest::newRow("<") << int('<') << KeyCommand{KeyAction::Symbol, QChar(u'<')};
    QTest::newRow("+") << int('+') << KeyCommand{KeyAction::Symbol, QChar(u'+')};
    QTest::newRow("-") << int('-') << KeyCommand{};
    QTest::newRow("a") << int('a') << KeyCommand{};
    QTest::newRow("Enter") << 13 << KeyCommand{};
    QTest::newRow("superscript two") << 0xB2 << KeyCommand{};
}

void TestAnswerEntry::keyPress()
{
    QFETCH(int, charCode);
    QFETCH(KeyCommand, command);
    QCOMPARE(keyPressCommand(charCode), command);
}

QTEST_GUILESS_MAIN(TestAnswerEntry)
#include "tst_answerentry.moc"
