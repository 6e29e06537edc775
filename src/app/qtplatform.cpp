#include "qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTime>

QString displayText(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r|\n"));
    QString shown = text;
    return shown.replace(lineBreak, QStringLiteral("\n"));
}

MessageAnswer QtPlatform::showMessage(const Message &message)
{
    static constexpr QMessageBox::Icon Icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                  QMessageBox::Question, QMessageBox::Warning,
                                                  QMessageBox::Critical};
    QMessageBox box(Icons[static_cast<int>(message.icon)], message.title, displayText(message.text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::Ok) {
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(message.defaultButton == 2 ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title, const QString &initial)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

bool QtPlatform::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text;
}

QSize QtPlatform::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

double QtPlatform::timeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::randomize(double seed)
{
    m_random.randomize(seed);
}

double QtPlatform::random()
{
    return m_random.next();
}

void QtPlatform::quit()
{
    QCoreApplication::exit(0);
}
