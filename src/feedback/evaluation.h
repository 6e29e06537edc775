#pragma once

#include <QString>

#include <cstdint>

// The judgement of an error percentage, by bands of 5 and 10 points.
QString judgement(double errorPercentage);

// The text of the evaluation box: the error percentage of the run and its judgement, or the note
// that nothing has been solved yet.
QString evaluationText(std::int16_t errorCount, std::int64_t solvedCount);
