#include "infotexts.h"

QString freewareNotice()
{
    return QStringLiteral("Dieses Programm ist Freeware. Es darf kostenlos benutzt, kopiert und "
                          "weitergegeben, aber nicht verkauft werden.");
}

QString authorshipText()
{
    return QStringLiteral("Ein Lernprogramm von ZUV, 2026\r\nE-Mail: post@zuv.example.org");
}

QString webAddress()
{
    return QStringLiteral("www.zuv.example.org");
}
