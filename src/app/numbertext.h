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

// The decimal number at the start of a caption (after blanks), 0 when there is none; how the
// program reads a count back from a label.
inline long long leadingNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    // 18 digits always fit into a long long.
    while (end < trimmed.size() && end < 18 && trimmed.at(end) >= QLatin1Char('0') && trimmed.at(end) <= QLatin1Char('9'))
        ++end;
    return trimmed.left(end).toLongLong();
}

// The multiplication sign of task and help texts.
inline constexpr QChar MiddleDot{0x00B7};
