#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The state that the main window, the toolbar and the memory game share for the whole run.
// Nothing of it is saved; one instance lives as long as the program.
struct Modul1 {
    // The answer line as typed so far; during a memory game the 18-character card-state string.
    QString InputText;
    // The expected answer of the current task, such as 420+18=438.
    QString SolutionText;

    int TaskFactor = 0;  // 2 to 9
    int TaskTens = 0;    // 1 to 9
    int TaskUnits = 0;   // 1 to 9
    int TaskProduct = 0; // 22 to 891

    std::int64_t SolvedCount = 0;
    std::int16_t ErrorCount = 0; // stops at 32767

    // Memory game: the number on each card, indexed 1 to 18 (index 0 unused).
    std::array<std::int16_t, 19> CardValues{};
    int FirstCard = 0;
    int SecondCard = 0;
    int ClickedCard = 0;
};
