#pragma once

#include "app/platform.h"
#include "app/randomgenerator.h"

#include <QList>
#include <QStringList>

#include <functional>

// A scripted platform: records every dialog, answers it from a queue (or with its default
// button), and hands out random numbers from a queue before falling back to a fixed-seed generator.
class FakePlatform : public Platform
{
public:
    MessageAnswer showMessage(const Message &message) override
    {
        messages.append(message);
        if (whileMessageOpen)
            whileMessageOpen(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return message.defaultButton == 2 ? MessageAnswer::No : MessageAnswer::Yes;
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &initial) override
    {
        inputPrompts.append({prompt, title, initial});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }

    void beep() override { ++beeps; }

    bool setClipboardText(const QString &text) override
    {
        if (!clipboardWorks)
            return false;
        clipboard = text;
        return true;
    }

    QSize screenSize() override { return screen; }
    double timeOfDay() override { return time; }
    void randomize(double seed) override
    {
        seeds.append(seed);
        m_generator.randomize(seed);
    }
    double random() override { return randoms.isEmpty() ? m_generator.next() : randoms.takeFirst(); }
    void quit() override { ++quits; }

    // Queues the four numbers that draw a task: factor, units, tens and order.
    void queueTask(int factor, int tens, int units, bool factorFirst)
    {
        randoms << (factor - 2 + 0.5) / 8 << (units - 1 + 0.5) / 9 << (tens - 1 + 0.5) / 9 << (factorFirst ? 0.75 : 0.25);
    }

    QList<Message> messages;
    QList<MessageAnswer> answers;
    std::function<void(const Message &)> whileMessageOpen;
    QList<QStringList> inputPrompts;
    QStringList inputAnswers;
    int beeps = 0;
    QString clipboard;
    bool clipboardWorks = true;
    QSize screen{1024, 768};
    double time = 0;
    QList<double> seeds;
    QList<double> randoms;
    int quits = 0;

private:
    RandomGenerator m_generator;
};
