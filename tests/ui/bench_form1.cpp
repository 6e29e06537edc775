// Microbenchmark of the main window's hot handlers, on the scripted platform. It measures and
// asserts nothing about time; run it by hand (see README.md), it is not part of ctest.

#include "app/modul1.h"
#include "fakeplatform.h"
#include "memory/memorygame.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/label.h"

#include <QTest>

#include <algorithm>
#include <memory>

class BenchForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_state = std::make_unique<Modul1>();
        m_platform = std::make_unique<FakePlatform>();
        m_form = std::make_unique<Form1>(*m_state, *m_platform);
        m_form->Form_Load();
    }

    void cleanup()
    {
        m_form.reset();
        m_platform.reset();
        m_state.reset();
    }

    // One digit key on an empty answer line: the first digit of the right answer.
    void digitKey()
    {
        const int firstDigit = m_state->SolutionText.at(0).unicode();
        QBENCHMARK {
            m_state->InputText.clear();
            m_form->Form_KeyPress(firstDigit);
        }
        QCOMPARE(m_state->InputText, m_state->SolutionText.left(1));
    }

    // A whole right answer: its digits as keys, then Enter, which draws the next task.
    void rightAnswerWithEnter()
    {
        QBENCHMARK {
            // Never a tenth right answer, so that no reward takes part in this measurement.
            m_state->SolvedCount = 0;
            const QString digits = QString(m_state->SolutionText).remove(QLatin1Char('+')).remove(QLatin1Char('='));
            for (QChar c : digits)
                m_form->Form_KeyPress(c.unicode());
            m_form->Form_KeyDown(13, 0);
        }
        QCOMPARE(m_state->SolvedCount, 1);
        QVERIFY(m_platform->messages.isEmpty());
    }

    // The deal of the memory game's 18 cards, with its redraws, from the program's generator.
    void deal()
    {
        RandomGenerator generator;
        generator.randomize(43200.5);
        CardValues values{};
        QBENCHMARK {
            values = dealCards([&] { return generator.next(); });
        }
        QCOMPARE(std::count(values.begin() + 1, values.end(), 9), 2);
    }

    // From "OK" of the tenth right answer to the first reward's memory window painted: the window is
    // created then, so every round needs a main window that has not rewarded yet.
    void firstReward()
    {
        QBENCHMARK {
            Modul1 state;
            FakePlatform platform;
            Form1 form(state, platform);
            form.Form_Load();
            form.show();
            state.SolvedCount = 9;
            form.Bezeichnung4->setText(QStringLiteral("9"));
            state.InputText = state.SolutionText;
            form.Befehl11_Click();
            QVERIFY(QTest::qWaitForWindowExposed(form.memoryWindow()));
            form.memoryWindow()->grab();
        }
    }

private:
    std::unique_ptr<Modul1> m_state;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(BenchForm1)
#include "bench_form1.moc"
