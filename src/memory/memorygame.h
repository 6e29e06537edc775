#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

inline constexpr int CardCount = 18;

// The number on each card, indexed by card number 1 to 18; index 0 is unused.
using CardValues = std::array<std::int16_t, CardCount + 1>;

// Deals a new game: a random arrangement of 1 to 18, drawn card by card and drawn again whenever
// the number already lies on an earlier card, then reduced by 9, so that each of 1 to 9 lies on
// exactly two cards. `random` gives uniform numbers in [0, 1).
CardValues dealCards(const std::function<double()> &random);

// What an open card shows: its digit twice, with 16 blanks between, so that the digit wraps onto
// a second line of the narrow card.
QString faceText(int value);

// The card-state string: character k is "1" while card k is in play and "0" once it is found.
QString cardsInPlay();
QString withPairFound(QString cardState, int first, int second);
bool allPairsFound(const QString &cardState);
