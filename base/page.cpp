#include "base/page.h"

#include <QMouseEvent>
#include <QPixmap>

QPixmap designPicture(const QString &name)
{
    return QPixmap(QStringLiteral(":/design/") + name + QStringLiteral(".png"));
}

Page::Page(const QString &name, const QString &caption, const QString &backgroundName, QWidget *parent)
    : QWidget(parent), m_background(new QLabel(this))
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(Width, Height);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_background->setObjectName(backgroundName);
    m_background->setGeometry(0, 0, Width, Height);
    m_background->setPixmap(designPicture(QStringLiteral("bg_") + name));
    m_background->lower();
}

HotSpot::HotSpot(const QString &name, const QRect &geometry, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

void HotSpot::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void HotSpot::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && event->button() == Qt::LeftButton && inside) {
        m_pressed = false;
        emit clicked();
    }
    m_pressed = false;
}
