#include "controls/datapicture.h"

#include "base/datapaths.h"

QPixmap dataPicture(const QString &relativePath)
{
    const QString path = DataPaths::resolve(relativePath);
    QPixmap picture;
    if (!path.isEmpty() && !DataPaths::isSpecialFile(path))
        picture.load(path);
    return picture;
}
