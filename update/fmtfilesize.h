#pragma once

#include <QString>

// A byte count for the download progress line, in decimal units: "999 bytes", "2.50 Kb",
// "1.25 Mb", with two decimals and the decimal separator of the user's locale.
QString FmtFileSize(qint32 size);
