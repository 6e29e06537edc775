#include "answercheck.h"

#include <limits>

QString errorLine(const QString &taskText)
{
    return taskText + QStringLiteral(" _____ + ___ = _____");
}

std::int16_t raisedErrorCount(std::int16_t count)
{
    if (count == std::numeric_limits<std::int16_t>::max())
        return count;
    return static_cast<std::int16_t>(count + 1);
}
