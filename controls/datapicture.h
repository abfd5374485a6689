#pragma once

#include <QPixmap>
#include <QString>

// A picture of the data directory ("images/rs.png", "adds/a0.png"), found without regard to
// letter case. A missing or unreadable file gives a null pixmap, and so does anything that is not
// a plain file: a FIFO there would keep the window waiting for a writer that may never come.
// A path built from a question file's picture code comes from QuestionBank::picturePath, which
// keeps it inside "images".
QPixmap dataPicture(const QString &relativePath);
