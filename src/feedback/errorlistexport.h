#pragma once

#include <QString>
#include <QStringList>

// The error list as plain text for a word processor: a header, an empty line, then one line per
// wrongly solved task, every line ending with CR LF.
QString errorListText(const QStringList &lines);
