#pragma once

#include "platform.h"
#include "randomgenerator.h"

// The platform as the program runs it: Qt's dialogs, clipboard and screen, the system clock.
class QtPlatform : public Platform
{
public:
    MessageAnswer showMessage(const Message &message) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &initial) override;
    void beep() override;
    bool setClipboardText(const QString &text) override;
    QSize screenSize() override;
    double timeOfDay() override;
    void randomize(double seed) override;
    double random() override;
    void quit() override;

private:
    RandomGenerator m_random;
};

// Message texts break lines with CR, LF, CR LF or LF CR; a dialog shows each as one line break.
QString displayText(const QString &text);
