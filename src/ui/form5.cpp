#include "form5.h"

#include "app/modul1.h"
#include "app/numbertext.h"
#include "app/platform.h"
#include "flatbutton.h"
#include "label.h"
#include "look.h"
#include "memory/memorygame.h"
#include "shape.h"

#include <QCloseEvent>

namespace {

const QColor DesignCardBlue(0, 0, 192);

} // namespace

Form5::Form5(Modul1 &state, Platform &platform, std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_state(state)
    , m_platform(platform)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("Form5"));
    Look::setUpWindow(this, QStringLiteral("Memory"), 5805, 5655);

    // Created bottom to top: the labels, the frame, then STOP.
    const QFont cardFont = Look::sansSerif(13.5, true);
    for (int k = 1; k <= CardCount; ++k) {
        auto *label = new Label(this);
        label->setObjectName(QStringLiteral("Bezeichnung%1").arg(k));
        label->setGeometry(Look::twips(480 + 840 * ((k - 1) % 6), 1080 + 1320 * ((k - 1) / 6), 615, 1095));
        label->setFont(cardFont);
        label->setForeColor(Qt::white);
        label->setBackColor(DesignCardBlue);
        label->setBordered(true);
        label->setAccessibleName(QStringLiteral("Karte %1").arg(k));
        connect(label, &Label::clicked, this, [this, k] { cardClicked(k); });
        m_cards[static_cast<std::size_t>(k)] = label;
        describeCard(k);
    }
    Bezeichnung19 = new Label(this);
    Bezeichnung19->setObjectName(QStringLiteral("Bezeichnung19"));
    Bezeichnung19->setGeometry(Look::twips(1200, 120, 4335, 495));
    Bezeichnung19->setForeColor(DesignCardBlue);
    Bezeichnung19->setBackColor(Look::PaleCyan);
    Bezeichnung19->setBordered(true);
    Bezeichnung19->setText(QStringLiteral("Bezeichnung19"));

    // ". Runde" first: the counter ends one pixel inside it and lies on top, so its digits stay whole.
    const QFont counterFont = Look::sansSerif(9.75, true);
    auto *round = new Label(this);
    round->setObjectName(QStringLiteral("Bezeichnung20"));
    round->setGeometry(Look::twips(2640, 5160, 1095, 255));
    round->setFont(counterFont);
    round->setBackColor(Look::PaleCyan);
    round->setText(QStringLiteral(". Runde"));
    Bezeichnung21 = new Label(this);
    Bezeichnung21->setObjectName(QStringLiteral("Bezeichnung21"));
    Bezeichnung21->setGeometry(Look::twips(2160, 5160, 495, 255));
    Bezeichnung21->setFont(counterFont);
    Bezeichnung21->setAlignment(Qt::AlignRight);
    Bezeichnung21->setBackColor(Look::PaleCyan);
    Bezeichnung21->setText(QStringLiteral("1"));
    Bezeichnung21->setAccessibleDescription(QStringLiteral("Runde"));

    auto *frame = new Shape(this);
    frame->setObjectName(QStringLiteral("Figur1"));
    frame->setGeometry(Look::twips(240, 840, 5295, 4215));

    Befehl1 = new FlatButton(QStringLiteral("STOP"), this);
    Befehl1->setObjectName(QStringLiteral("Befehl1"));
    Befehl1->setGeometry(Look::twips(240, 120, 855, 495));
    Befehl1->setAccessibleDescription(QStringLiteral("Spiel beenden"));
    connect(Befehl1, &QPushButton::clicked, this, &Form5::Befehl1_Click);
}

void Form5::Form_Load()
{
    move(Look::centredPosition(m_platform.screenSize(), frameGeometry().size()));
}

void Form5::cardClicked(int k)
{
    // Only a face-down card has an empty caption; open and found cards ignore clicks.
    if (!card(k)->text().isEmpty())
        return;
    m_state.ClickedCard = k;
    OpenCard();
}

void Form5::OpenCard()
{
    if (m_state.FirstCard > 0 && m_state.SecondCard > 0)
        TurnBackPair();
    const int clicked = m_state.ClickedCard;
    card(clicked)->setText(faceText(m_state.CardValues[static_cast<std::size_t>(clicked)]));
    describeCard(clicked);
    if (m_state.FirstCard == 0) {
        m_state.FirstCard = clicked;
        return;
    }
    m_state.SecondCard = clicked;
    const auto value = [this](int k) { return m_state.CardValues[static_cast<std::size_t>(k)]; };
    if (value(m_state.FirstCard) == value(m_state.SecondCard)) {
        m_state.InputText = withPairFound(m_state.InputText, m_state.FirstCard, m_state.SecondCard);
        MarkPair();
    }
    if (allPairsFound(m_state.InputText)) {
        GameFinished();
        return;
    }
    Bezeichnung21->setText(plainDigits(leadingNumber(Bezeichnung21->text()) + 1));
}

void Form5::TurnBackPair()
{
    const int first = m_state.FirstCard;
    const int second = m_state.SecondCard;
    const bool found = m_state.InputText.at(second - 1) == QLatin1Char('0')
                       && m_state.InputText.at(first - 1) == QLatin1Char('0');
    if (!found) {
        for (int k : {first, second}) {
            card(k)->setText(QString());
            describeCard(k);
        }
    }
    m_state.FirstCard = 0;
    m_state.SecondCard = 0;
}

void Form5::MarkPair()
{
    for (int k : {m_state.FirstCard, m_state.SecondCard}) {
        card(k)->setBackColor(Look::paletteColor(15));
        describeCard(k);
    }
}

void Form5::Befehl1_Click()
{
    const MessageAnswer answer = m_platform.showMessage(
        {QStringLiteral("  Das Spiel jetzt beenden?"), QStringLiteral("Memory"), MessageIcon::Error, MessageButtons::YesNo, 1});
    if (answer == MessageAnswer::Yes)
        EndGame();
}

void Form5::GameFinished()
{
    m_platform.showMessage({QStringLiteral("  Das Spiel ist beendet!"), QStringLiteral("Memory")});
    EndGame();
}

void Form5::EndGame()
{
    for (int k = 1; k <= CardCount; ++k)
        card(k)->setBackColor(Look::paletteColor(1));
    for (int k = 1; k <= CardCount; ++k) {
        card(k)->setText(QString());
        describeCard(k);
    }
    hide();
    m_showMainWindow();
    m_state.InputText.clear();
    Bezeichnung21->setText(QStringLiteral("1"));
}

void Form5::describeCard(int k)
{
    Label *c = card(k);
    QString description = QStringLiteral("verdeckt");
    if (!c->text().isEmpty()) {
        const QString number = c->text().left(1);
        description = (c->backColor() == Look::paletteColor(15) ? QStringLiteral("gefunden, ") : QStringLiteral("offen, "))
                      + number;
    }
    c->setAccessibleDescription(description);
}

void Form5::closeEvent(QCloseEvent *event)
{
    // There is no close box; a close from the window system ends the game as STOP and "Ja" do.
    event->ignore();
    if (isVisible())
        EndGame();
}
