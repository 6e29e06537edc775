#pragma once

#include <QString>

// The texts of the information window.
QString freewareNotice();
// The authorship line and the contact line, joined by CR LF.
QString authorshipText();
QString webAddress();
