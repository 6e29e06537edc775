// A seeded random walk through the whole program: clicks on every control of every visible
// window, keys the main window knows and some it doesn't, and every answer to every dialog. After
// each event it checks what must always hold. A failure prints its seed and the last events;
// MONKEY_SEED=<seed> replays one walk, MONKEY_EVENTS=<n> sets its length.

#include "app/modul1.h"
#include "app/numbertext.h"
#include "exercise/task.h"
#include "memory/memorygame.h"
#include "fakeplatform.h"
#include "ui/flatbutton.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/zuvlabel.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace {

struct Action {
    QString name;
    std::function<bool()> possible;
    std::function<void()> perform;
};

class Monkey
{
public:
    explicit Monkey(std::uint64_t seed)
        : m_random(seed)
    {
        m_platform.randomize(static_cast<double>(seed));
        m_platform.whileMessageOpen = [this](const Message &message) { answer(message); };
        m_form = std::make_unique<Form1>(m_state, m_platform);
        m_form->Form_Load();
        m_form->show();
        buildActions();
    }

    // Runs `events` events; returns an empty text or what went wrong.
    QString run(int events)
    {
        for (int i = 0; i < events; ++i) {
            std::vector<const Action *> possible;
            for (const Action &action : m_actions)
                if (action.possible())
                    possible.push_back(&action);
            if (possible.empty())
                return QStringLiteral("no window takes input");
            const Action &action = *possible[pick(possible.size())];
            remember(action.name);
            if (m_platform.inputAnswers.isEmpty())
                m_platform.inputAnswers << oneOf({QString(), QStringLiteral(" "), QStringLiteral("Anna")});
            m_platform.clipboardWorks = pick(4) != 0;
            action.perform();
            m_platform.messages.clear();
            const QString broken = check();
            if (!broken.isEmpty())
                return QStringLiteral("after event %1: %2\nlast events: %3").arg(i).arg(broken, m_recent.join(QStringLiteral(", ")));
        }
        return QString();
    }

    int quits() const { return m_platform.quits; }
    std::int64_t solved() const { return m_state.SolvedCount; }
    int games() const { return m_games; }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); }

    QString oneOf(std::initializer_list<QString> texts) { return *(texts.begin() + pick(texts.size())); }

    void answer(const Message &message)
    {
        m_games += message.title == QLatin1String("Memoryspiel");
        if (message.buttons == MessageButtons::Ok)
            return;
        // Leaving the program is answered "Ja" rarely, so the walk goes on through the rest.
        const bool exit = message.title == QLatin1String("Rovuva Raruredude");
        const bool yes = exit ? pick(20) == 0 : pick(2) == 0;
        m_platform.answers << (yes ? MessageAnswer::Yes : MessageAnswer::No);
    }

    void remember(const QString &event)
    {
        m_recent.push_back(event);
        if (m_recent.size() > 20)
            m_recent.pop_front();
    }

    void key(int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != m_form.get())
            target = m_form.get();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
    }

    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center()); }

    void buildActions()
    {
        const auto mainShown = [this] { return m_form->isVisible(); };
        for (QWidget *control : m_form->findChildren<QWidget *>()) {
            if (control->parentWidget() != m_form.get() || control->objectName().isEmpty())
                continue;
            m_actions.push_back({QStringLiteral("click ") + control->objectName(), mainShown, [this, control] { click(control); }});
        }
        struct Key {
            const char *name;
            int key;
            const char *text;
        };
        static const Key Keys[] = {
            {"0", Qt::Key_0, "0"}, {"1", Qt::Key_1, "1"}, {"2", Qt::Key_2, "2"}, {"3", Qt::Key_3, "3"},
            {"4", Qt::Key_4, "4"}, {"5", Qt::Key_5, "5"}, {"6", Qt::Key_6, "6"}, {"7", Qt::Key_7, "7"},
            {"8", Qt::Key_8, "8"}, {"9", Qt::Key_9, "9"}, {">", Qt::Key_Greater, ">"}, {"<", Qt::Key_Less, "<"},
            {"+", Qt::Key_Plus, "+"}, {"=", Qt::Key_Equal, "="}, {"Enter", Qt::Key_Return, "\r"},
            {"keypad Enter", Qt::Key_Enter, "\r"}, {"Escape", Qt::Key_Escape, "\x1b"},
            {"Backspace", Qt::Key_Backspace, "\b"}, {"a", Qt::Key_A, "a"}, {"Space", Qt::Key_Space, " "},
            {"Tab", Qt::Key_Tab, "\t"}, {"-", Qt::Key_Minus, "-"}, {"F1", Qt::Key_F1, ""},
        };
        for (const Key &k : Keys) {
            m_actions.push_back({QStringLiteral("key ") + QLatin1String(k.name), mainShown, [this, k] {
                                     const Qt::KeyboardModifiers modifiers = pick(5) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
                                     key(k.key, QString::fromLatin1(k.text), modifiers);
                                 }});
        }
        // Children answer right now and then, so that rewards come.
        m_actions.push_back({QStringLiteral("answer right"), mainShown, [this] {
                                 while (!m_state.InputText.isEmpty())
                                     key(Qt::Key_Backspace, QStringLiteral("\b"));
                                 const QString solution = m_state.SolutionText;
                                 for (QChar c : solution)
                                     if (c.isDigit())
                                         key(Qt::Key_0 + c.digitValue(), QString(c));
                                 key(Qt::Key_Return, QStringLiteral("\r"));
                             }});
        m_actions.push_back({QStringLiteral("close the main window"), mainShown, [this] { m_form->close(); }});

        const auto infoShown = [this] { return m_form->infoWindow() && m_form->infoWindow()->isVisible(); };
        m_actions.push_back({QStringLiteral("info: O k a y"), infoShown, [this] { click(m_form->infoWindow()->Bezeichnung1); }});
        m_actions.push_back({QStringLiteral("info: flag"), infoShown, [this] { click(m_form->infoWindow()->Bild1); }});
        m_actions.push_back({QStringLiteral("info: close"), infoShown, [this] { m_form->infoWindow()->close(); }});
        m_actions.push_back({QStringLiteral("info: title"), infoShown,
                             [this] { click(m_form->infoWindow()->findChild<QWidget *>(QStringLiteral("Bezeichnung5"))); }});

        // The memory window: every card (often, so that games end), STOP, the labels, the frame.
        const auto gameShown = [this] { return m_form->gameRunning(); };
        for (int k = 1; k <= 18; ++k) {
            for (int weight = 0; weight < 4; ++weight)
                m_actions.push_back({QStringLiteral("card %1").arg(k), gameShown, [this, k] { click(m_form->memoryWindow()->card(k)); }});
        }
        m_actions.push_back({QStringLiteral("STOP"), gameShown, [this] { click(m_form->memoryWindow()->Befehl1); }});
        for (const char *name : {"Bezeichnung19", "Bezeichnung20", "Bezeichnung21"})
            m_actions.push_back({QStringLiteral("memory: ") + QLatin1String(name), gameShown, [this, name] {
                                     click(m_form->memoryWindow()->findChild<QWidget *>(QLatin1String(name)));
                                 }});
        m_actions.push_back({QStringLiteral("memory: frame"), gameShown,
                             [this] { QTest::mouseClick(m_form->memoryWindow(), Qt::LeftButton, {}, QPoint(10, 370)); }});
        m_actions.push_back({QStringLiteral("memory: close"), gameShown, [this] { m_form->memoryWindow()->close(); }});
    }

    QString checkGame()
    {
        const Modul1 &s = m_state;
        Form5 &memory = *m_form->memoryWindow();
        if (m_form->isVisible())
            return QStringLiteral("main window and memory window both visible");
        static const QRegularExpression cardState(QStringLiteral("^[01]{18}$"));
        if (!cardState.match(s.InputText).hasMatch())
            return QStringLiteral("card state is ") + s.InputText;
        const bool oneOpen = s.FirstCard > 0 && s.SecondCard == 0;
        const bool pairShown = s.FirstCard > 0 && s.SecondCard > 0;
        if (s.FirstCard < 0 || s.FirstCard > 18 || s.SecondCard < 0 || s.SecondCard > 18 || (s.FirstCard == 0 && s.SecondCard != 0))
            return QStringLiteral("open cards %1 and %2").arg(s.FirstCard).arg(s.SecondCard);
        for (int k = 1; k <= 18; ++k) {
            const Label *card = memory.card(k);
            const bool white = card->backColor() == QColor(255, 255, 255);
            if ((s.InputText.at(k - 1) == QLatin1Char('0')) != white)
                return QStringLiteral("card %1: state and colour disagree").arg(k);
            const bool shownOpen = k == s.FirstCard || (pairShown && k == s.SecondCard);
            if (!white && card->text().isEmpty() == shownOpen)
                return QStringLiteral("card %1 open without being part of the attempt").arg(k);
            if (!card->text().isEmpty() && card->text() != faceText(s.CardValues[static_cast<std::size_t>(k)]))
                return QStringLiteral("card %1 shows %2").arg(k).arg(card->text());
        }
        if (oneOpen && memory.card(s.FirstCard)->backColor() == QColor(255, 255, 255))
            return QStringLiteral("the one open card is a found card");
        if (leadingNumber(memory.Bezeichnung21->text()) < 1)
            return QStringLiteral("attempt counter shows ") + memory.Bezeichnung21->text();
        return QString();
    }

    QString check()
    {
        const Modul1 &s = m_state;
        Form1 &form = *m_form;
        if (form.Liste1->x() * 15 != 8400)
            return QStringLiteral("error list not parked");
        if (form.gameRunning())
            return checkGame();
        if (s.InputText.size() > 20)
            return QStringLiteral("answer line longer than 20: ") + s.InputText;
        if (form.Bezeichnung2->text() != s.InputText)
            return QStringLiteral("answer line shows %1, holds %2").arg(form.Bezeichnung2->text(), s.InputText);
        const Task task{s.TaskFactor, s.TaskTens, s.TaskUnits, form.Bezeichnung1->text().at(1) == QChar(u'0' + s.TaskFactor)
                                                                   && form.Bezeichnung1->text().at(3) == QChar(0x00B7)};
        if (form.Bezeichnung1->text() != task.text())
            return QStringLiteral("task text %1 does not show the task").arg(form.Bezeichnung1->text());
        const QString expected = solutionText(QString::number(task.tensProduct()), QString::number(task.unitsProduct()), task.product());
        if (s.SolutionText != expected || form.Bezeichnung13->text() != expected)
            return QStringLiteral("expected answer %1 for %2").arg(s.SolutionText, form.Bezeichnung1->text());
        QStringList lines;
        for (int i = 0; i < form.Liste1->count(); ++i) {
            const QString line = form.Liste1->item(i)->text();
            if (lines.contains(line))
                return QStringLiteral("error list holds twice: ") + line;
            lines << line;
        }
        if (s.ErrorCount < m_errors || s.SolvedCount < m_solved)
            return QStringLiteral("a counter fell");
        if (s.ErrorCount < 0)
            return QStringLiteral("error counter wrapped");
        m_errors = s.ErrorCount;
        m_solved = s.SolvedCount;
        if (form.Bezeichnung3->text() != QString::number(s.ErrorCount) || form.Bezeichnung4->text() != QString::number(s.SolvedCount))
            return QStringLiteral("counters show %1 and %2").arg(form.Bezeichnung3->text(), form.Bezeichnung4->text());
        const QColor expectedBack = s.ErrorCount > 50 ? QColor(255, 0, 0) : QColor(128, 255, 255);
        if (form.palette().color(QPalette::Window) != expectedBack || form.Bezeichnung2->backColor() != expectedBack)
            return QStringLiteral("window colour does not follow the error count");
        if (!form.isVisible())
            return QStringLiteral("the main window is hidden");
        return QString();
    }

    std::mt19937_64 m_random;
    Modul1 m_state;
    FakePlatform m_platform;
    std::unique_ptr<Form1> m_form;
    std::vector<Action> m_actions;
    QStringList m_recent;
    int m_games = 0;
    std::int16_t m_errors = 0;
    std::int64_t m_solved = 0;
};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomWalk_data();
    void randomWalk();
};

void TestMonkey::randomWalk_data()
{
    QTest::addColumn<quint64>("seed");
    const QByteArray replay = qgetenv("MONKEY_SEED");
    if (!replay.isEmpty()) {
        QTest::newRow(replay.constData()) << replay.toULongLong();
        return;
    }
    for (quint64 seed : {1ULL, 2ULL, 3ULL, 4ULL})
        QTest::addRow("seed %llu", seed) << seed;
}

void TestMonkey::randomWalk()
{
    QFETCH(quint64, seed);
    const int events = qEnvironmentVariableIsSet("MONKEY_EVENTS") ? qEnvironmentVariableIntValue("MONKEY_EVENTS") : 200000;
    Monkey monkey(seed);
    const QString broken = monkey.run(events);
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1 %2").arg(seed).arg(broken)));
    qInfo("seed %llu: %d events, %lld tasks solved, %d memory games, %d exits confirmed", seed, events,
          static_cast<long long>(monkey.solved()), monkey.games(), monkey.quits());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
