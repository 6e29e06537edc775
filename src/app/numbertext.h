#pragma once

#include <QChar>
#include <QString>

// The two ways the program writes a whole number: plain digits for counters and answers, and with
// one leading blank inside task texts and message texts.
inline QString plainDigits(long long n)
{
    return QString::number(n);
}

inline QString withLeadingBlank(long long n)
{
    return QLatin1Char(' ') + QString::number(n);
}

// The multiplication sign of task and help texts.
inline constexpr QChar MiddleDot{0x00B7};
