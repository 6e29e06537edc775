#pragma once

#include <QChar>
#include <QString>

// The answer line never grows beyond this.
inline constexpr int MaxInputLength = 20;

// After a digit or symbol was appended: cut the line to its length limit, then add "+" and "="
// where the expected answer has them at the next position.
QString inputChanged(QString input, const QString &solution);

// Both backspaces: the last character goes, an empty line stays empty.
QString removeLast(QString input);

// What a key in the main window does.
enum class KeyAction { None, Digit, Symbol, Check, Exit, Backspace };

struct KeyCommand {
    KeyAction action = KeyAction::None;
    QChar character; // the digit or symbol to enter

    bool operator==(const KeyCommand &) const = default;
};

// A key going down, by its key code (13 Enter, 27 Escape, 8 Backspace); modifiers do not matter.
KeyCommand keyDownCommand(int keyCode);
// A typed character, by its character code: digits and the symbols > = < +.
KeyCommand keyPressCommand(int charCode);
