#pragma once

#include <QString>

// One multiplication task: a one-digit factor times a two-digit number, shown in one of two orders.
struct Task {
    int factor = 2;           // 2 to 9
    int tens = 1;             // 1 to 9
    int units = 1;            // 1 to 9, never 0
    bool factorFirst = false; // "6 · 73" instead of "73 · 6"

    int number() const { return 10 * tens + units; }
    int product() const { return number() * factor; }
    int tensProduct() const { return tens * 10 * factor; }
    int unitsProduct() const { return factor * units; }

    // Ten characters, such as " 7 3 · 6 =" or " 6 · 7 3 =".
    QString text() const;
};

// Draws a task from four successive uniform numbers in [0, 1), in this order: factor, units,
// tens, order.
Task drawTask(double r1, double r2, double r3, double r4);

// The expected answer, from the two partial products as shown and the product: 420+18=438.
QString solutionText(const QString &tensProduct, const QString &unitsProduct, int product);
