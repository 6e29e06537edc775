#include "task.h"

#include "app/numbertext.h"

#include <cmath>

QString Task::text() const
{
    const QString dot = QLatin1Char(' ') + MiddleDot;
    const QString twoDigits = withLeadingBlank(tens) + withLeadingBlank(units);
    const QString equals = QStringLiteral(" =");
    if (factorFirst)
        return withLeadingBlank(factor) + dot + twoDigits + equals;
    return twoDigits + dot + withLeadingBlank(factor) + equals;
}

Task drawTask(double r1, double r2, double r3, double r4)
{
    const auto whole = [](double x) { return static_cast<int>(std::floor(x)); };
    Task task;
    task.factor = whole(8 * r1) + 2;
    task.units = whole(9 * r2) + 1;
    task.tens = whole(9 * r3) + 1;
    task.factorFirst = whole(2 * r4) == 1;
    return task;
}

QString solutionText(const QString &tensProduct, const QString &unitsProduct, int product)
{
    return tensProduct + QLatin1Char('+') + unitsProduct + QLatin1Char('=') + plainDigits(product);
}
