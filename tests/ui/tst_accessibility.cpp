#include "app/modul1.h"
#include "fakeplatform.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/label.h"
#include "ui/shape.h"
#include "ui/zuvlabel.h"

#include <QAccessible>
#include <QListWidget>
#include <QTest>

namespace {

struct Found {
    QString objectName;
    QString name;
    QString description;
    bool invisible;
};

// Every control of a window as assistive technology sees it, except the decorative shapes.
QList<Found> walk(QWidget *window)
{
    QList<Found> found;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child || qobject_cast<Shape *>(child->object()))
            continue;
        found.append({child->object()->objectName(), child->text(QAccessible::Name),
                      child->text(QAccessible::Description), bool(child->state().invisible)});
    }
    return found;
}

const QStringList Parked{"Bezeichnung5", "Bezeichnung6", "Bezeichnung13", "Liste1"};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mainWindowControlsHaveNames();
    void parkedControlsAreHidden();
    void informationWindowControlsHaveNames();
    void cardsSayHowTheyLie();
};

void TestAccessibility::mainWindowControlsHaveNames()
{
    Modul1 state;
    FakePlatform platform;
    Form1 form(state, platform);
    form.Form_Load();
    form.show();
    const QList<Found> controls = walk(&form);
    QCOMPARE(controls.size(), 38 - 2);
    QStringList names;
    for (const Found &control : controls) {
        if (Parked.contains(control.objectName))
            continue;
        // The answer line is empty at start: its description says what it is.
        QVERIFY2(!control.name.isEmpty() || !control.description.isEmpty(), qPrintable(control.objectName));
        QVERIFY2(!control.invisible, qPrintable(control.objectName));
        names << control.name;
    }
    for (const char *name : {"Ende", "Richtige Aufgaben", "Fehler", "Hilfe", "Check", "Name", "Memo", "Tasten", "Info",
                             "Löschen", "OK", "1", "0"})
        QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    // Labels read what they show.
    QVERIFY(names.contains(form.findChild<QWidget *>(QStringLiteral("Bezeichnung1"))->property("text").toString()));
}

void TestAccessibility::parkedControlsAreHidden()
{
    Modul1 state;
    FakePlatform platform;
    Form1 form(state, platform);
    form.Form_Load();
    form.show();
    for (const Found &control : walk(&form)) {
        if (!Parked.contains(control.objectName))
            continue;
        QVERIFY2(control.invisible, qPrintable(control.objectName));
        QVERIFY2(control.name.isEmpty(), qPrintable(control.objectName));
    }
    // While the export shows the error list, a screen reader finds it.
    bool listFound = false;
    platform.whileMessageOpen = [&](const Message &) {
        for (const Found &control : walk(&form))
            if (control.objectName == QLatin1String("Liste1"))
                listFound = !control.invisible && control.name == QLatin1String("Fehlerliste");
    };
    form.Bild6_Click();
    QVERIFY(listFound);
}

void TestAccessibility::informationWindowControlsHaveNames()
{
    FakePlatform platform;
    ZUVLABEL window(platform, [] {});
    window.Form_Activate();
    const QList<Found> controls = walk(&window);
    QCOMPARE(controls.size(), 9);
    for (const Found &control : controls)
        QVERIFY2(!control.name.isEmpty(), qPrintable(control.objectName));
}

void TestAccessibility::cardsSayHowTheyLie()
{
    Modul1 state;
    FakePlatform platform;
    Form5 window(state, platform, [] {});
    state.CardValues = {0, 4, 4, 7, 1, 1, 2, 2, 3, 3, 5, 5, 6, 6, 7, 8, 8, 9, 9};
    state.InputText = QString(18, QLatin1Char('1'));
    const auto described = [&](int k) {
        QAccessibleInterface *card = QAccessible::queryAccessibleInterface(window.card(k));
        return card->text(QAccessible::Name) + QLatin1Char('/') + card->text(QAccessible::Description);
    };
    QCOMPARE(described(7), QStringLiteral("Karte 7/verdeckt"));
    window.Bezeichnung1_Click();
    window.Bezeichnung3_Click();
    QCOMPARE(described(1), QStringLiteral("Karte 1/offen, 4"));
    QCOMPARE(described(3), QStringLiteral("Karte 3/offen, 7"));
    window.Bezeichnung2_Click();
    QCOMPARE(described(3), QStringLiteral("Karte 3/verdeckt"));
    window.Bezeichnung1_Click();
    QCOMPARE(described(1), QStringLiteral("Karte 1/gefunden, 4"));
    QCOMPARE(described(2), QStringLiteral("Karte 2/gefunden, 4"));
    const QList<Found> controls = walk(&window);
    QCOMPARE(controls.size(), 22);
    for (const Found &control : controls)
        QVERIFY2(!control.name.isEmpty(), qPrintable(control.objectName));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
