#include "zuvlabel.h"

#include "app/platform.h"
#include "info/infotexts.h"
#include "label.h"
#include "look.h"
#include "picture.h"
#include "shape.h"

#include <QCloseEvent>

namespace {

Label *makeLabel(QWidget *parent, const char *name, QRect geometry, const QFont &font, const QColor &text,
                 const QColor &back, Qt::Alignment alignment, const QString &caption = QString())
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setForeColor(text);
    label->setBackColor(back);
    label->setAlignment(alignment);
    label->setText(caption);
    return label;
}

} // namespace

ZUVLABEL::ZUVLABEL(Platform &platform, std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_platform(platform)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("ZUVLABEL"));
    Look::setUpWindow(this, QStringLiteral("Programm-Info"), 3510, 3510);

    // Created bottom to top: the panel, then the labels, then the flag.
    auto *panel = new Shape(this);
    panel->setObjectName(QStringLiteral("Figur1"));
    panel->setGeometry(Look::twips(120, 120, 3255, 2535));
    panel->setFill(Look::DarkBlue);

    const QFont title = Look::sansSerif(18, true);
    const QColor blue = Look::DarkBlue;
    Bezeichnung1 = makeLabel(this, "Bezeichnung1", Look::twips(600, 2880, 1815, 495), title, blue, Look::PaleCyan,
                             Qt::AlignHCenter, QStringLiteral("O k a y"));
    makeLabel(this, "Bezeichnung2", Look::twips(240, 240, 375, 615), title, QColor(255, 0, 255), blue,
              Qt::AlignHCenter, QStringLiteral("Z"));
    makeLabel(this, "Bezeichnung3", Look::twips(600, 240, 375, 615), title, QColor(0, 255, 255), blue,
              Qt::AlignHCenter, QStringLiteral("U"));
    makeLabel(this, "Bezeichnung4", Look::twips(960, 240, 375, 615), title, QColor(128, 255, 128), blue,
              Qt::AlignHCenter, QStringLiteral("V"));
    makeLabel(this, "Bezeichnung5", Look::twips(1320, 240, 1935, 615), title, Qt::white, blue, Qt::AlignLeft,
              QStringLiteral(" 1 z 1 ezov"));
    Bezeichnung8 = makeLabel(this, "Bezeichnung8", Look::twips(120, 2400, 3255, 255), Look::defaultFont(),
                             Look::PaleCyan, blue, Qt::AlignHCenter, webAddress());
    Bezeichnung6 = makeLabel(this, "Bezeichnung6", Look::twips(240, 840, 3015, 975), Look::sansSerif(8.25, false),
                             Qt::white, blue, Qt::AlignLeft);
    Bezeichnung7 = makeLabel(this, "Bezeichnung7", Look::twips(240, 1800, 3015, 495), Look::sansSerif(9.75, false),
                             Qt::black, Look::PaleCyan, Qt::AlignHCenter);
    Bezeichnung7->setBordered(true);

    Bild1 = new Picture(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Bild1->setGeometry(Look::twips(2400, 2880, 495, 495));
    Bild1->setBackColor(Look::PaleCyan);
    Bild1->setPicture(QPixmap(QStringLiteral(":/pictures/flag.xpm")));
    Bild1->setAccessibleName(QStringLiteral("Fahne"));
    Bild1->setAccessibleDescription(QStringLiteral("Fenster schließen"));
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Fenster schließen"));

    connect(Bild1, &Picture::clicked, this, &ZUVLABEL::Bild1_Click);
    connect(Bezeichnung1, &Label::clicked, this, &ZUVLABEL::Bezeichnung1_Click);
}

void ZUVLABEL::Form_Activate()
{
    move(Look::centredPosition(m_platform.screenSize(), frameGeometry().size()));
    Bezeichnung6->setText(freewareNotice());
    Bezeichnung7->setText(authorshipText());
}

void ZUVLABEL::Bild1_Click()
{
    hide();
    m_showMainWindow();
}

bool ZUVLABEL::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void ZUVLABEL::closeEvent(QCloseEvent *event)
{
    // Without a close box, a close from the window system hides the window as the flag does.
    event->ignore();
    Bild1_Click();
}
