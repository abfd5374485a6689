#include "base/page.h"

#include <QMouseEvent>
#include <QPixmap>

QPixmap designPicture(const QString &name)
{
    return QPixmap(QStringLiteral(":/design/") + name + QStringLiteral(".png"));
}

namespace {

// A page's background picture box. Fourteen full-page pictures decoded at start-up took most of
// the start-up time and some 40 MB, though the learner sees one page at first; so each picture
// is decoded when its page is first shown or painted (a render of a page never shown included).
class PageBackground : public QLabel {
public:
    PageBackground(const QString &pictureName, QWidget *parent) : QLabel(parent), m_pictureName(pictureName) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        load();
        QLabel::showEvent(event);
    }
    void paintEvent(QPaintEvent *event) override
    {
        load();
        QLabel::paintEvent(event);
    }

private:
    void load()
    {
        if (m_pictureName.isEmpty())
            return;
        setPixmap(designPicture(m_pictureName));
        m_pictureName.clear();
    }

    QString m_pictureName;
};

} // namespace

Page::Page(const QString &name, const QString &caption, const QString &backgroundName, QWidget *parent)
    : QWidget(parent), m_background(new PageBackground(QStringLiteral("bg_") + name, this))
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
