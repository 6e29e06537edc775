#include "errorlistexport.h"

QString errorListText(const QStringList &lines)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("Fehlerliste von ZUV-Rovuva Raruredude:") + lineEnd + lineEnd;
    for (const QString &line : lines)
        text += line + lineEnd;
    return text;
}
