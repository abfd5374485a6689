#include "app/adverts.h"

#include "base/datapaths.h"
#include "controls/datapicture.h"
#include "controls/page.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>

Adverts::Adverts(QLabel *advert) : m_advert(advert), m_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{}

int Adverts::Countadds()
{
    return DataPaths::countFiles(DataPaths::advertsDir);
}

void Adverts::Timer2Timer()
{
    const int n = Countadds();
    if (n <= 0)
        return;
    const int r = static_cast<int>(m_random.bounded(static_cast<quint32>(n)));
    const QPixmap picture =
        dataPicture(DataPaths::advertsDir + QStringLiteral("/a") + QString::number(r) + QStringLiteral(".png"));
    if (picture.isNull())
        return;
    cancelPictureLater(m_advert);
    m_advert->setPixmap(picture);
    m_advert->resize(picture.size());
}
