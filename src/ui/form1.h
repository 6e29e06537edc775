#pragma once

#include <QWidget>

#include <array>
#include <memory>

class FlatButton;
class Form5;
class Label;
class Picture;
class Platform;
class QListWidget;
class Shape;
class ZUVLABEL;
struct Modul1;

// The main window: toolbar, task row and keypad. Its handlers keep the names the program has
// always used for them; the work behind them lives in the display-free functions they call.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(Modul1 &state, Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // The information window, once "Info" has opened it.
    ZUVLABEL *infoWindow() const { return m_info.get(); }
    // The memory window, once the first reward has opened it.
    Form5 *memoryWindow() const { return m_memory.get(); }
    bool gameRunning() const;

    // Places the window and draws the first task; runs once, before the window is first shown.
    void Form_Load();

    // Keys of the main window, seen before the focused control (key preview).
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyPress(int charCode);

    // Keypad: digits 1 to 9, 0, backspace, OK.
    void Befehl1_Click() { digitClicked(1); }
    void Befehl2_Click() { digitClicked(2); }
    void Befehl3_Click() { digitClicked(3); }
    void Befehl4_Click() { digitClicked(4); }
    void Befehl5_Click() { digitClicked(5); }
    void Befehl6_Click() { digitClicked(6); }
    void Befehl7_Click() { digitClicked(7); }
    void Befehl8_Click() { digitClicked(8); }
    void Befehl9_Click() { digitClicked(9); }
    void Befehl10_Click() { digitClicked(0); }
    void Befehl18_Click();
    void Befehl11_Click();

    void SymbolGreater() { symbolEntered(QLatin1Char('>')); }
    void SymbolLess() { symbolEntered(QLatin1Char('<')); }
    void SymbolPlus() { symbolEntered(QLatin1Char('+')); }
    void SymbolEquals() { symbolEntered(QLatin1Char('=')); }
    void InputChanged();

    // Toolbar.
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Bild5_Click();
    void Bild6_Click();
    void Bild7_Click();
    void Bild8_Click();
    void Bild9_Click();

    void NewTask();
    void ErrorAlarm();
    // After a right answer: every tenth solved task starts a memory game.
    void RewardCheck();

    // Controls, by the names the handlers use.
    Label *Bezeichnung1; // task text
    Label *Bezeichnung2; // answer line
    Label *Bezeichnung3; // error counter
    Label *Bezeichnung4; // solved counter
    Label *Bezeichnung5; // parked: tens product
    Label *Bezeichnung6; // parked: units product
    Label *Bezeichnung13; // parked: expected answer
    QListWidget *Liste1;  // error list, parked except during its export
    FlatButton *Befehl11; // OK
    FlatButton *Befehl18; // backspace
    std::array<FlatButton *, 10> digitButtons; // Befehl1 to Befehl10
    std::array<Picture *, 9> pictures;         // Bild1 to Bild9

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    bool previewKey(QKeyEvent *event);
    void digitClicked(int digit);
    // Offers the error list for the clipboard; false when the copy failed and the list was kept.
    bool exportErrorList();
    void symbolEntered(QChar symbol);
    void showInput();
    void setBackgrounds(const QColor &color);

    void showFromInfoWindow();

    Modul1 &m_state;
    Platform &m_platform;
    std::unique_ptr<ZUVLABEL> m_info;
    std::unique_ptr<Form5> m_memory;
};
