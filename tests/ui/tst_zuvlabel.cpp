#include "app/modul1.h"
#include "fakeplatform.h"
#include "ui/form1.h"
#include "ui/label.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/zuvlabel.h"

#include <QTest>

#include <memory>

namespace {

struct Fixture {
    Modul1 state;
    FakePlatform platform;
    std::unique_ptr<Form1> form;

    Fixture()
    {
        form = std::make_unique<Form1>(state, platform);
        form->Form_Load();
        form->show();
    }
};

} // namespace

class TestZuvLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStandWhereLaidOut_data();
    void controlsStandWhereLaidOut();
    void centredOnTheScreen_data();
    void centredOnTheScreen();
    void infoOpensOneWindowAndReusesIt();
    void activationCentresAndSetsTheTexts();
    void closingShowsTheMainWindow_data();
    void closingShowsTheMainWindow();
};

void TestZuvLabel::controlsStandWhereLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Figur1") << "Figur1" << QRect(120, 120, 3255, 2535);
    QTest::newRow("Bezeichnung2") << "Bezeichnung2" << QRect(240, 240, 375, 615);
    QTest::newRow("Bezeichnung3") << "Bezeichnung3" << QRect(600, 240, 375, 615);
    QTest::newRow("Bezeichnung4") << "Bezeichnung4" << QRect(960, 240, 375, 615);
    QTest::newRow("Bezeichnung5") << "Bezeichnung5" << QRect(1320, 240, 1935, 615);
    QTest::newRow("Bezeichnung6") << "Bezeichnung6" << QRect(240, 840, 3015, 975);
    QTest::newRow("Bezeichnung7") << "Bezeichnung7" << QRect(240, 1800, 3015, 495);
    QTest::newRow("Bezeichnung8") << "Bezeichnung8" << QRect(120, 2400, 3255, 255);
    QTest::newRow("Bezeichnung1") << "Bezeichnung1" << QRect(600, 2880, 1815, 495);
    QTest::newRow("Bild1") << "Bild1" << QRect(2400, 2880, 495, 495);
}

void TestZuvLabel::controlsStandWhereLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    FakePlatform platform;
    ZUVLABEL window(platform, [] {});
    QCOMPARE(window.size(), QSize(234, 234));
    QCOMPARE(window.windowTitle(), QStringLiteral("Programm-Info"));
    QVERIFY(!(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    QWidget *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), Look::twips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestZuvLabel::centredOnTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("usual screen") << QSize(1024, 768) << QSize(234, 234) << QPoint(395, 267);
    QTest::newRow("odd difference") << QSize(1025, 769) << QSize(234, 234) << QPoint(395, 267);
    QTest::newRow("smaller screen: negative") << QSize(200, 100) << QSize(234, 234) << QPoint(-17, -67);
}

void TestZuvLabel::centredOnTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(Look::centredPosition(screen, window), position);
}

void TestZuvLabel::infoOpensOneWindowAndReusesIt()
{
    Fixture f;
    QCOMPARE(f.form->infoWindow(), nullptr);
    QTest::mouseClick(f.form->pictures[4], Qt::LeftButton);
    ZUVLABEL *info = f.form->infoWindow();
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QVERIFY(f.form->isVisible());
    info->Bild1_Click();
    QVERIFY(!info->isVisible());
    f.form->Bild5_Click();
    QCOMPARE(f.form->infoWindow(), info);
    QVERIFY(info->isVisible());
    // The main window stays usable beside it.
    f.form->Befehl4_Click();
    QCOMPARE(f.state.InputText, QStringLiteral("4"));
}

void TestZuvLabel::activationCentresAndSetsTheTexts()
{
    Fixture f;
    f.form->Bild5_Click();
    ZUVLABEL *info = f.form->infoWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    QCOMPARE(info->pos(), Look::centredPosition(QSize(1024, 768), info->frameGeometry().size()));
    QVERIFY(!info->Bezeichnung6->text().trimmed().isEmpty());
    QVERIFY(info->Bezeichnung7->text().contains(QStringLiteral("\r\n")));
    QVERIFY(info->Bezeichnung7->text().contains(QStringLiteral("example.org")));

    // Dragged aside and activated again: back in the centre, same texts.
    const QString notice = info->Bezeichnung6->text();
    info->move(10, 10);
    f.platform.screen = QSize(800, 600);
    info->Form_Activate();
    QCOMPARE(info->pos(), Look::centredPosition(QSize(800, 600), info->frameGeometry().size()));
    QCOMPARE(info->Bezeichnung6->text(), notice);
}

void TestZuvLabel::closingShowsTheMainWindow_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("O k a y") << "okay";
    QTest::newRow("flag") << "flag";
    QTest::newRow("window system") << "close";
}

void TestZuvLabel::closingShowsTheMainWindow()
{
    QFETCH(QString, way);
    Fixture f;
    f.form->Bild5_Click();
    ZUVLABEL *info = f.form->infoWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    if (way == QLatin1String("okay"))
        QTest::mouseClick(info->Bezeichnung1, Qt::LeftButton);
    else if (way == QLatin1String("flag"))
        QTest::mouseClick(info->Bild1, Qt::LeftButton);
    else
        info->close();
    QVERIFY(info->isHidden());
    QVERIFY(f.form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(f.platform.messages.size(), 0);
}

QTEST_MAIN(TestZuvLabel)
#include "tst_zuvlabel.moc"
