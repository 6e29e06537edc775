#include "evaluation.h"

#include "app/numbertext.h"

#include <array>
#include <cmath>

QString judgement(double errorPercentage)
{
    struct Band {
        double from;
        const char *text;
    };
    static constexpr std::array<Band, 8> Bands{{
        {70, "Du machst zu viele Fehler!"},
        {60, "Du musst viel mehr üben!"},
        {50, "Du musst noch etwas üben!"},
        {40, "Das geht gerade noch so!"},
        {30, "Schon recht ordentlich!"},
        {20, "Das klappt schon fast gut!"},
        {10, "Das hast du gut gemacht!"},
        {5, "Das hast du prima gemacht!"},
    }};
    for (const Band &band : Bands) {
        if (errorPercentage >= band.from)
            return QString::fromUtf8(band.text);
    }
    return QStringLiteral("Das ist einfach Spitze!");
}

QString evaluationText(std::int16_t errorCount, std::int64_t solvedCount)
{
    if (solvedCount == 0)
        return QStringLiteral("Du hast noch keine richtige Lösung!");
    // Division first: 29 / 50 * 100 is 57.99999999999999 and shows as 57.
    const double percentage = static_cast<double>(errorCount) / static_cast<double>(solvedCount) * 100;
    const auto shown = static_cast<long long>(std::trunc(percentage));
    return QStringLiteral("Du hast") + withLeadingBlank(shown) + QStringLiteral("% Fehler:\n\r\n\r")
           + judgement(percentage);
}
