#include "memorygame.h"

#include "app/numbertext.h"

#include <cmath>

CardValues dealCards(const std::function<double()> &random)
{
    CardValues values{};
    for (int i = 1; i <= CardCount; ++i) {
        bool taken = true;
        while (taken) {
            values[i] = static_cast<std::int16_t>(std::floor(random() * CardCount) + 1);
            taken = false;
            for (int j = 1; j < i && !taken; ++j)
                taken = values[j] == values[i];
        }
    }
    for (int i = 1; i <= CardCount; ++i) {
        if (values[i] > 9)
            values[i] = static_cast<std::int16_t>(values[i] - 9);
    }
    return values;
}

QString faceText(int value)
{
    return plainDigits(value) + QString(15, QLatin1Char(' ')) + withLeadingBlank(value);
}

QString cardsInPlay()
{
    return QString(CardCount, QLatin1Char('1'));
}

QString withPairFound(QString cardState, int first, int second)
{
    cardState[first - 1] = QLatin1Char('0');
    cardState[second - 1] = QLatin1Char('0');
    return cardState;
}

bool allPairsFound(const QString &cardState)
{
    return cardState == QString(CardCount, QLatin1Char('0'));
}
