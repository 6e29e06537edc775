#pragma once

#include <QSize>
#include <QString>

// Everything the program needs from the outside world: dialogs, clipboard, beep, clock, screen,
// randomness and the end of the process. The program runs on QtPlatform; tests run on a scripted
// fake that records every dialog and answers it.

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 1; // 1 or 2, counted from the left

    bool operator==(const Message &) const = default;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Modal message box; returns the button pressed.
    virtual MessageAnswer showMessage(const Message &message) = 0;
    // Modal one-line input box; returns the text typed, or an empty text when cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &initial) = 0;
    virtual void beep() = 0;
    // Clears the clipboard and puts plain text on it; false when the clipboard did not take it.
    virtual bool setClipboardText(const QString &text) = 0;
    // Size of the whole screen, in logical pixels.
    virtual QSize screenSize() = 0;
    // Seconds since midnight, with fraction.
    virtual double timeOfDay() = 0;
    // Mixes a seed into the random generator; the generator keeps its state across seeds.
    virtual void randomize(double seed) = 0;
    // Next uniform random number in [0, 1).
    virtual double random() = 0;
    // Ends the program at once, with all its windows.
    virtual void quit() = 0;
};
