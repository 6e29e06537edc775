#pragma once

#include <QWidget>

#include <array>
#include <functional>

class FlatButton;
class Label;
class Platform;
struct Modul1;

// The memory window of the reward game: 18 cards in three rows of six, STOP, the instruction
// and the attempt counter. It is created at the first reward and afterwards hidden and shown.
class Form5 : public QWidget
{
    Q_OBJECT

public:
    // `showMainWindow` brings the main window back when a game ends.
    Form5(Modul1 &state, Platform &platform, std::function<void()> showMainWindow);

    // Centres the window; runs once, when the first reward shows it.
    void Form_Load();

    // The 18 cards, numbered row by row from the top left.
    void Bezeichnung1_Click() { cardClicked(1); }
    void Bezeichnung2_Click() { cardClicked(2); }
    void Bezeichnung3_Click() { cardClicked(3); }
    void Bezeichnung4_Click() { cardClicked(4); }
    void Bezeichnung5_Click() { cardClicked(5); }
    void Bezeichnung6_Click() { cardClicked(6); }
    void Bezeichnung7_Click() { cardClicked(7); }
    void Bezeichnung8_Click() { cardClicked(8); }
    void Bezeichnung9_Click() { cardClicked(9); }
    void Bezeichnung10_Click() { cardClicked(10); }
    void Bezeichnung11_Click() { cardClicked(11); }
    void Bezeichnung12_Click() { cardClicked(12); }
    void Bezeichnung13_Click() { cardClicked(13); }
    void Bezeichnung14_Click() { cardClicked(14); }
    void Bezeichnung15_Click() { cardClicked(15); }
    void Bezeichnung16_Click() { cardClicked(16); }
    void Bezeichnung17_Click() { cardClicked(17); }
    void Bezeichnung18_Click() { cardClicked(18); }

    void OpenCard();
    void TurnBackPair();
    void MarkPair();
    void Befehl1_Click();
    void GameFinished();
    void EndGame();

    Label *card(int k) const { return m_cards.at(static_cast<std::size_t>(k)); }
    Label *Bezeichnung19; // instruction
    Label *Bezeichnung21; // attempt counter
    FlatButton *Befehl1;  // STOP

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cardClicked(int k);
    // Tells a screen reader how card k lies: face down, open or found, and its number.
    void describeCard(int k);

    Modul1 &m_state;
    Platform &m_platform;
    std::function<void()> m_showMainWindow;
    std::array<Label *, 19> m_cards{}; // index 1 to 18
};
