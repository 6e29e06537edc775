#pragma once

#include <QString>

#include <cstdint>

// The line that a wrongly answered task leaves in the error list: the task text and a blank
// decomposition to fill in on paper.
QString errorLine(const QString &taskText);

// One more wrong answer; the 16-bit counter stops at its largest value instead of wrapping.
std::int16_t raisedErrorCount(std::int16_t count);

// From this many wrong answers on, the main window turns red.
inline constexpr int AlarmErrorCount = 51;
