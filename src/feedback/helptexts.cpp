#include "helptexts.h"

#include "app/numbertext.h"

QString decompositionHelp()
{
    const QString dot = QLatin1Char(' ') + MiddleDot + QLatin1Char(' ');
    return QStringLiteral("Rechne so:\r\r") + QStringLiteral("73") + dot + QStringLiteral("6 = 420 + 18 = 438\r\r")
           + QStringLiteral("8") + dot + QStringLiteral("47 = 320 + 56 = 376\r\r");
}

QString keyHelp()
{
    return QStringLiteral("Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\r"
                          "oder gib die Ziffern direkt über die Tastatur ein. Zum Löschen\r"
                          "nimmst du die Pfeil-Löschtaste und zur Eingabe die Entertaste.\r\r");
}

QString rewardRule()
{
    return QStringLiteral("Nach 10 Aufgaben gibt es eine Spielrunde!");
}

QString tasksLeftText(const QString &solvedCaption)
{
    const long long left = 10 - leadingNumber(solvedCaption) % 10;
    return QStringLiteral("Noch") + withLeadingBlank(left) + QStringLiteral(" Aufgaben bis zur Spielrunde!");
}
