#include "answerentry.h"

QString inputChanged(QString input, const QString &solution)
{
    // The guard looks at 10 characters but cuts at 20: lines of 11 to 20 characters stay.
    if (input.size() > 10)
        input.truncate(MaxInputLength);
    for (const QChar separator : {QLatin1Char('+'), QLatin1Char('=')}) {
        if (input.size() < solution.size() && solution.at(input.size()) == separator)
            input.append(separator);
    }
    return input;
}

QString removeLast(QString input)
{
    input.chop(1);
    return input;
}

KeyCommand keyDownCommand(int keyCode)
{
    switch (keyCode) {
    case 13:
        return {KeyAction::Check, {}};
    case 27:
        return {KeyAction::Exit, {}};
    case 8:
        return {KeyAction::Backspace, {}};
    default:
        return {};
    }
}

KeyCommand keyPressCommand(int charCode)
{
    if (charCode >= '0' && charCode <= '9')
        return {KeyAction::Digit, QChar(charCode)};
    switch (charCode) {
    case '>':
    case '=':
    case '<':
    case '+':
        return {KeyAction::Symbol, QChar(charCode)};
    default:
        return {};
    }
}
