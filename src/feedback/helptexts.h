#pragma once

#include <QString>

// Fixed texts of the toolbar's help and reward boxes.
QString decompositionHelp();
QString keyHelp();
QString rewardRule();

// How many tasks are left until the next memory game, from the solved counter as shown.
QString tasksLeftText(const QString &solvedCaption);
