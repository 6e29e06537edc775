#include "form1.h"

#include "accessibility.h"
#include "app/modul1.h"
#include "app/numbertext.h"
#include "app/platform.h"
#include "exercise/answercheck.h"
#include "exercise/answerentry.h"
#include "exercise/task.h"
#include "feedback/errorlistexport.h"
#include "feedback/evaluation.h"
#include "feedback/helptexts.h"
#include "flatbutton.h"
#include "form5.h"
#include "label.h"
#include "look.h"
#include "memory/memorygame.h"
#include "picture.h"
#include "shape.h"
#include "zuvlabel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>

namespace {

struct ToolbarPlace {
    const char *picture;
    int left;
    const char *image;
    const char *label;
    const char *caption;
    int labelLeft;
    int labelWidth;
    // What a screen reader says of the picture.
    const char *accessibleName;
    const char *accessibleDescription;
};

// Left to right, as the toolbar shows them.
constexpr std::array<ToolbarPlace, 9> Toolbar{{
    {"Bild1", 240, "cross", "Bezeichnung10", "Ende", 120, 735, "Ende", "Programm beenden"},
    {"Bild3", 1080, "face-smile", "Bezeichnung4", "0", 1080, 495, "Richtige Aufgaben", "Wann es ein Memoryspiel gibt"},
    {"Bild2", 1920, "face-straight", "Bezeichnung3", "0", 1920, 495, "Fehler", "Bewertung deiner Fehler"},
    {"Bild7", 2760, "question", "Bezeichnung14", "Hilfe", 2640, 735, "Hilfe", "So zerlegst du eine Aufgabe"},
    {"Bild6", 3600, "list-tick", "Bezeichnung12", "Check", 3480, 735, "Check",
     "Fehlerliste in die Zwischenablage kopieren"},
    {"Bild9", 4440, "boy", "Bezeichnung7", "Name", 4320, 735, "Name", "Neuen Namen eingeben"},
    {"Bild4", 5280, "hand-cards", "Bezeichnung11", "Memo", 5160, 735, "Memo", "Aufgaben bis zum Memoryspiel"},
    {"Bild8", 6120, "keyboard", "Bezeichnung15", "Tasten", 6000, 735, "Tasten", "So gibst du die Antwort ein"},
    {"Bild5", 6960, "letter-i", "Bezeichnung16", "Info", 6960, 495, "Info", "Programm-Info"},
}};

constexpr int ParkedLeft = 8400;
constexpr int ShownListLeft = 3600;

Label *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &text)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setText(text);
    return label;
}

Shape *makeBand(QWidget *parent, const char *name, int top)
{
    auto *band = new Shape(parent);
    band->setObjectName(QLatin1String(name));
    band->setGeometry(Look::twips(0, top, 7695, 975));
    band->setFill(Look::Cyan);
    band->setOutlineWidth(2);
    return band;
}

} // namespace

Form1::Form1(Modul1 &state, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    Look::setUpWindow(this, QStringLiteral("Rovuva Raruredude: Freund und Gast"), 7725, 3750);
    buildControls();
    // Key preview: the window sees every key before the control that has the focus.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    // Created bottom to top: shapes, then labels, then pictures, buttons and the list.
    makeBand(this, "Figur1", 0);
    makeBand(this, "Figur2", 2760);

    std::array<Label *, 9> captions{};
    for (std::size_t i = 0; i < Toolbar.size(); ++i) {
        const ToolbarPlace &place = Toolbar[i];
        Label *caption = makeLabel(this, place.label, Look::twips(place.labelLeft, 600, place.labelWidth, 255),
                                   QLatin1String(place.caption));
        caption->setBackColor(Look::Cyan);
        caption->setAlignment(Qt::AlignHCenter);
        captions[i] = caption;
    }
    Bezeichnung4 = captions[1];
    Bezeichnung3 = captions[2];

    const QFont large = Look::sansSerif(24, true);
    Bezeichnung1 = makeLabel(this, "Bezeichnung1", Look::twips(240, 1560, 2295, 615), QString());
    Bezeichnung1->setFont(large);
    Bezeichnung1->setForeColor(Look::DarkBlue);
    Bezeichnung1->setAlignment(Qt::AlignRight);
    Bezeichnung2 = makeLabel(this, "Bezeichnung2", Look::twips(2640, 1560, 4815, 615), QString());
    Bezeichnung2->setFont(large);
    Bezeichnung2->setForeColor(Qt::black);
    setBackgrounds(Look::PaleCyan);

    const auto makeParked = [this](const char *name, int top) {
        // Marked before the text is set: setting a text already asks for the accessible interface.
        Label *parked = makeLabel(this, name, Look::twips(ParkedLeft, top, 2295, 255), QString());
        Accessibility::markParked(parked);
        parked->setText(QLatin1String(name));
        parked->setBackColor(Look::windowBackground());
        return parked;
    };
    Bezeichnung5 = makeParked("Bezeichnung5", 3720);
    Bezeichnung6 = makeParked("Bezeichnung6", 4080);
    Bezeichnung13 = makeParked("Bezeichnung13", 4440);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Aufgabe"));
    Bezeichnung2->setAccessibleDescription(QStringLiteral("Deine Antwort"));
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Fehler"));
    Bezeichnung4->setAccessibleDescription(QStringLiteral("Richtige Aufgaben"));

    for (std::size_t i = 0; i < Toolbar.size(); ++i) {
        const ToolbarPlace &place = Toolbar[i];
        auto *picture = new Picture(this);
        picture->setObjectName(QLatin1String(place.picture));
        picture->setGeometry(Look::twips(place.left, 120, 495, 495));
        picture->setBackColor(Look::Cyan);
        picture->setPicture(QPixmap(QStringLiteral(":/pictures/%1.xpm").arg(QLatin1String(place.image))));
        picture->setAccessibleName(QString::fromUtf8(place.accessibleName));
        picture->setAccessibleDescription(QString::fromUtf8(place.accessibleDescription));
        const int number = QByteArray(place.picture).mid(4).toInt();
        pictures[static_cast<std::size_t>(number - 1)] = picture;
    }

    const QFont keypadFont = Look::sansSerif(9.75, true);
    for (int i = 0; i < 10; ++i) {
        const int digit = (i + 1) % 10;
        auto *button = new FlatButton(QString::number(digit), this);
        button->setObjectName(QStringLiteral("Befehl%1").arg(i + 1));
        button->setGeometry(Look::twips(240 + 600 * i, 3000, 495, 495));
        button->setFont(keypadFont);
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QPushButton::clicked, this, [this, digit] { digitClicked(digit); });
        digitButtons[static_cast<std::size_t>(i)] = button;
    }
    Befehl18 = new FlatButton(QStringLiteral("<---   "), this);
    Befehl18->setObjectName(QStringLiteral("Befehl18"));
    Befehl18->setGeometry(Look::twips(6240, 3000, 615, 495));
    Befehl18->setFocusPolicy(Qt::ClickFocus);
    Befehl18->setAccessibleName(QStringLiteral("Löschen"));
    Befehl18->setAccessibleDescription(QStringLiteral("Letztes Zeichen löschen"));
    connect(Befehl18, &QPushButton::clicked, this, &Form1::Befehl18_Click);
    Befehl11 = new FlatButton(QStringLiteral("OK"), this);
    Befehl11->setObjectName(QStringLiteral("Befehl11"));
    Befehl11->setGeometry(Look::twips(6960, 3000, 495, 495));
    Befehl11->setFocusPolicy(Qt::StrongFocus);
    Befehl11->setDefault(true);
    Befehl11->setAccessibleDescription(QStringLiteral("Antwort prüfen"));
    connect(Befehl11, &QPushButton::clicked, this, &Form1::Befehl11_Click);

    Liste1 = new QListWidget(this);
    Liste1->setObjectName(QStringLiteral("Liste1"));
    Accessibility::markParked(Liste1);
    Liste1->setGeometry(Look::twips(ParkedLeft, 840, 2655, 2760));
    Liste1->setFrameShape(QFrame::Box);
    Liste1->setLineWidth(1);
    Liste1->setFocusPolicy(Qt::ClickFocus);
    QPalette listColors = Liste1->palette();
    listColors.setColor(QPalette::Base, Look::Cyan);
    listColors.setColor(QPalette::Text, Look::windowText());
    Liste1->setPalette(listColors);
    Liste1->setAccessibleName(QStringLiteral("Fehlerliste"));

    const std::array<void (Form1::*)(), 9> handlers{&Form1::Bild1_Click, &Form1::Bild2_Click, &Form1::Bild3_Click,
                                                    &Form1::Bild4_Click, &Form1::Bild5_Click, &Form1::Bild6_Click,
                                                    &Form1::Bild7_Click, &Form1::Bild8_Click, &Form1::Bild9_Click};
    for (std::size_t i = 0; i < pictures.size(); ++i)
        connect(pictures[i], &QAbstractButton::clicked, this, handlers[i]);

    // Tab order of the controls that take the focus by Tab.
    const std::array<QWidget *, 10> tabChain{pictures[0], pictures[1], pictures[2], pictures[4], pictures[3],
                                             pictures[5], pictures[6], pictures[7], Befehl11, pictures[8]};
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
}

void Form1::Form_Load()
{
    move(Look::centredPosition(m_platform.screenSize(), frameGeometry().size()));
    m_platform.randomize(m_platform.timeOfDay());
    NewTask();
}

void Form1::NewTask()
{
    m_platform.randomize(m_platform.timeOfDay());
    m_state.InputText.clear();
    const double r1 = m_platform.random();
    const double r2 = m_platform.random();
    const double r3 = m_platform.random();
    const double r4 = m_platform.random();
    const Task task = drawTask(r1, r2, r3, r4);
    m_state.TaskFactor = task.factor;
    m_state.TaskUnits = task.units;
    m_state.TaskTens = task.tens;
    m_state.TaskProduct = task.product();
    Bezeichnung5->setText(plainDigits(task.tensProduct()));
    Bezeichnung6->setText(plainDigits(task.unitsProduct()));
    Bezeichnung1->setText(task.text());
    // The expected answer is read back from the two parked captions.
    m_state.SolutionText = solutionText(Bezeichnung5->text(), Bezeichnung6->text(), m_state.TaskProduct);
    Bezeichnung13->setText(m_state.SolutionText);
    m_state.InputText.clear();
    showInput();
}

void Form1::showInput()
{
    Bezeichnung2->setText(m_state.InputText);
}

void Form1::digitClicked(int digit)
{
    m_state.InputText.append(QChar(u'0' + digit));
    InputChanged();
}

void Form1::symbolEntered(QChar symbol)
{
    m_state.InputText = symbol;
    InputChanged();
}

void Form1::InputChanged()
{
    m_state.InputText = inputChanged(m_state.InputText, m_state.SolutionText);
    showInput();
    Befehl11->setFocus();
}

void Form1::Befehl18_Click()
{
    const bool longer = m_state.InputText.size() > 1;
    m_state.InputText = removeLast(m_state.InputText);
    showInput();
    if (!longer)
        Befehl11->setFocus();
}

void Form1::Befehl11_Click()
{
    if (m_state.InputText != m_state.SolutionText) {
        m_platform.beep();
        m_platform.showMessage({QStringLiteral("Das ist leider falsch!\r"), QStringLiteral("Rechenfehler")});
        m_state.ErrorCount = raisedErrorCount(m_state.ErrorCount);
        const QString line = errorLine(Bezeichnung1->text());
        if (Liste1->findItems(line, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            Liste1->addItem(line);
        m_state.InputText.clear();
        showInput();
        Bezeichnung3->setText(plainDigits(m_state.ErrorCount));
        if (m_state.ErrorCount >= AlarmErrorCount)
            ErrorAlarm();
        return;
    }
    Bezeichnung2->clear();
    ++m_state.SolvedCount;
    Bezeichnung4->setText(plainDigits(m_state.SolvedCount));
    NewTask();
    RewardCheck();
}

void Form1::RewardCheck()
{
    // The count is read back from the label that shows it.
    if (leadingNumber(Bezeichnung4->text()) % 10 != 0)
        return;
    m_platform.showMessage({QStringLiteral("Jetzt gibt es eine Belohnung."), QStringLiteral("Memoryspiel"),
                            MessageIcon::Information});
    hide();
    if (!m_memory) {
        m_memory = std::make_unique<Form5>(m_state, m_platform, [this] { show(); });
        m_memory->Form_Load();
    }
    m_memory->show();
    m_state.CardValues = dealCards([this] { return m_platform.random(); });
    m_memory->Bezeichnung19->setText(QStringLiteral(
        " Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an und suche alle Zahlenpaare !"));
    m_state.ClickedCard = 0;
    m_state.FirstCard = 0;
    m_state.SecondCard = 0;
    m_state.InputText = cardsInPlay();
}

bool Form1::gameRunning() const
{
    return m_memory && m_memory->isVisible();
}

void Form1::ErrorAlarm()
{
    setBackgrounds(Look::paletteColor(12));
}

void Form1::setBackgrounds(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    Bezeichnung1->setBackColor(color);
    Bezeichnung2->setBackColor(color);
}

void Form1::Bild1_Click()
{
    const MessageAnswer answer = m_platform.showMessage({QStringLiteral("Dieses Programm jetzt beenden?\r\r"),
                                                         QStringLiteral("Rovuva Raruredude"), MessageIcon::Error,
                                                         MessageButtons::YesNo, 2});
    if (answer == MessageAnswer::Yes)
        m_platform.quit();
}

void Form1::Bild2_Click()
{
    m_platform.showMessage({evaluationText(m_state.ErrorCount, m_state.SolvedCount), QStringLiteral("Fehler"),
                            MessageIcon::Information});
}

void Form1::Bild3_Click()
{
    m_platform.showMessage({rewardRule(), QStringLiteral("Belohnung"), MessageIcon::Information});
}

void Form1::Bild4_Click()
{
    m_platform.showMessage({tasksLeftText(Bezeichnung4->text()), QStringLiteral("Belohnung"), MessageIcon::Warning});
}

void Form1::Bild5_Click()
{
    if (!m_info)
        m_info = std::make_unique<ZUVLABEL>(m_platform, [this] { showFromInfoWindow(); });
    m_info->show();
    m_info->raise();
    m_info->activateWindow();
}

void Form1::showFromInfoWindow()
{
    // During a memory game the main window stays hidden: the game holds its cards in InputText.
    if (gameRunning())
        return;
    show();
    raise();
    activateWindow();
}

void Form1::Bild6_Click()
{
    exportErrorList();
}

bool Form1::exportErrorList()
{
    // The list hangs below "Check" while the first question is open, so the learner sees it.
    const auto placeList = [this](int left) { Liste1->move(Look::twips(left, 840, 0, 0).topLeft()); };
    placeList(ShownListLeft);
    if (Liste1->count() == 0) {
        m_platform.showMessage({QStringLiteral("Es sind keine Fehler vorhanden!\r\r"), QStringLiteral("Fehlerliste abbrechen")});
        placeList(ParkedLeft);
        return true;
    }
    const MessageAnswer answer =
        m_platform.showMessage({QStringLiteral("Die Fehlerliste kopieren?\r\r"), QStringLiteral("Fehlerliste kopieren"),
                                MessageIcon::Question, MessageButtons::YesNo, 2});
    placeList(ParkedLeft);
    if (answer != MessageAnswer::Yes)
        return true;
    QStringList lines;
    for (int i = 0; i < Liste1->count(); ++i)
        lines << Liste1->item(i)->text();
    if (!m_platform.setClipboardText(errorListText(lines))) {
        // Nothing is lost: the list stays for another try.
        m_platform.showMessage({QStringLiteral("Die Fehlerliste konnte nicht in die Zwischenablage kopiert werden.\r"
                                               "Sie bleibt erhalten.\r"),
                                QStringLiteral("Fehlerliste kopieren"), MessageIcon::Warning});
        return false;
    }
    Liste1->clear();
    m_platform.showMessage({QStringLiteral("Die Fehlerliste wurde kopiert und kann nun\r"
                                           "in die Textverarbeitung eingefügt werden.\r"),
                            QStringLiteral("Fehlerliste kopieren")});
    return true;
}

void Form1::Bild7_Click()
{
    m_platform.showMessage({decompositionHelp(), QStringLiteral("Zerlegungsaufgabe")});
}

void Form1::Bild8_Click()
{
    m_platform.showMessage({keyHelp(), QStringLiteral("Tasteneingabe")});
}

void Form1::Bild9_Click()
{
    const QString name = m_platform.inputBox(QStringLiteral("Name eingeben:"), QStringLiteral("Neuer Benutzer"), QString());
    if (name.isEmpty())
        return;
    setWindowTitle(QStringLiteral("Rovuva Raruredude: ") + name);
    // The previous learner's list is offered for export, then discarded; only a failed copy keeps it.
    if (Liste1->count() > 0 && !exportErrorList())
        return;
    Liste1->clear();
}

void Form1::Form_KeyDown(int keyCode, int)
{
    switch (keyDownCommand(keyCode).action) {
    case KeyAction::Check:
        Befehl11_Click();
        break;
    case KeyAction::Exit:
        Bild1_Click();
        break;
    case KeyAction::Backspace:
        m_state.InputText = removeLast(m_state.InputText);
        showInput();
        break;
    default:
        break;
    }
}

void Form1::Form_KeyPress(int charCode)
{
    const KeyCommand command = keyPressCommand(charCode);
    if (command.action == KeyAction::Digit)
        digitClicked(command.character.digitValue());
    else if (command.action == KeyAction::Symbol)
        symbolEntered(command.character);
}

namespace {

// Key codes of the keys the main window reacts to when they go down.
int keyCodeOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        return 0;
    }
}

int shiftStateOf(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

bool Form1::previewKey(QKeyEvent *event)
{
    // During a memory game InputText holds the cards; no key may touch it.
    if (gameRunning())
        return true;
    const int keyCode = keyCodeOf(event);
    const QString text = event->text();
    const int charCode = text.size() == 1 ? text.at(0).unicode() : 0;
    const bool handled = keyDownCommand(keyCode).action != KeyAction::None
                         || keyPressCommand(charCode).action != KeyAction::None;
    if (!handled)
        return false;
    Form_KeyDown(keyCode, shiftStateOf(event));
    Form_KeyPress(charCode);
    return true;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && previewKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (!previewKey(event))
        QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing through the frame asks the same question as "Ende"; only "Ja" ends the program.
    event->ignore();
    Bild1_Click();
}
