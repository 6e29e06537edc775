#pragma once

#include <QWidget>

#include <functional>

class Label;
class Picture;
class Platform;

// The information window: the program's title, a freeware notice, the maker's contact lines.
// It is modeless, hides instead of closing, and centres itself whenever it becomes active.
class ZUVLABEL : public QWidget
{
    Q_OBJECT

public:
    // `showMainWindow` brings the main window to the front when the information window closes.
    ZUVLABEL(Platform &platform, std::function<void()> showMainWindow);

    void Form_Activate();
    void Bild1_Click();
    void Bezeichnung1_Click() { Bild1_Click(); }

    Label *Bezeichnung1; // "O k a y"
    Label *Bezeichnung6; // freeware notice
    Label *Bezeichnung7; // authorship and contact
    Label *Bezeichnung8; // web address
    Picture *Bild1;      // flag

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Platform &m_platform;
    std::function<void()> m_showMainWindow;
};
