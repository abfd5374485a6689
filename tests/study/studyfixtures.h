#pragma once

#include "tests/support/tempdatadir.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVariant>

// Writes a small PNG into the data directory; the size tells pictures apart on screen.
inline void writePicture(const TempDataDir &dir, const QString &relative, const QSize &size = QSize(4, 3))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    dir.mkdir(relative.section(u'/', 0, -2));
    if (!image.save(dir.filePath(relative), "PNG"))
        qFatal("cannot write %s", qPrintable(relative));
}

// The data path of the picture a picture box shows; empty when it shows none from the data directory.
inline QString shownPicture(const QLabel *box)
{
    return box->property("pictureFile").toString();
}
