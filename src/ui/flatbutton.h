#pragma once

#include <QPushButton>

// A command button drawn flat: a one-pixel outline, no bevel, the same on every desktop theme.
class FlatButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
