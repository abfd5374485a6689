#include "controls/page.h"

#include "controls/readypicture.h"

#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QResource>

#include <future>
#include <map>

namespace {

// A design picture as compiled in, in the form the window draws (see readypicture.h).
QImage readDesignPicture(const QString &name)
{
    const QResource resource(QStringLiteral(":/design/") + name + QStringLiteral(".pix"));
    if (!resource.isValid())
        return {};
    return ReadyPicture::decode(resource.uncompressedData());
}

// Design pictures being read on a worker thread, by name.
std::map<QString, std::future<QImage>> &prefetched()
{
    static std::map<QString, std::future<QImage>> pictures;
    return pictures;
}

} // namespace

void prefetchDesignPicture(const QString &name)
{
    prefetched()[name] = std::async(std::launch::async, [name] { return readDesignPicture(name); });
}

QPixmap designPicture(const QString &name)
{
    auto &pictures = prefetched();
    if (const auto found = pictures.find(name); found != pictures.end()) {
        QImage image = found->second.get();
        pictures.erase(found);
        return QPixmap::fromImage(std::move(image));
    }
    return QPixmap::fromImage(readDesignPicture(name));
}

namespace {

// Waits, as an event filter of its widget, for the widget's first show or paint. A render of a
// widget never shown counts as well: controls that draw what lies behind them render their page.
class FirstShowAction : public QObject {
public:
    enum class Kind { Picture, Other };

    FirstShowAction(QWidget *widget, Kind kind, std::function<void()> action)
        : QObject(widget), m_kind(kind), m_load(std::move(action))
    {
        widget->installEventFilter(this);
    }

    bool waitingPicture() const { return m_kind == Kind::Picture && m_load; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_load && (event->type() == QEvent::Show || event->type() == QEvent::Paint)) {
            // Taken out first: the load may set a picture, and so cancel this very object.
            const std::function<void()> load = std::move(m_load);
            m_load = nullptr;
            watched->removeEventFilter(this);
            deleteLater();
            load();
        }
        return false;
    }

private:
    Kind m_kind;
    std::function<void()> m_load;
};

void cancelWaitingPictures(QWidget *widget)
{
    const QObjectList children = widget->children();
    for (QObject *child : children) {
        auto *action = dynamic_cast<FirstShowAction *>(child);
        if (action && action->waitingPicture())
            delete action;
    }
}

} // namespace

void loadPictureLater(QLabel *box, std::function<void()> load)
{
    cancelWaitingPictures(box);
    new FirstShowAction(box, FirstShowAction::Kind::Picture, std::move(load));
}

void cancelPictureLater(QLabel *box)
{
    cancelWaitingPictures(box);
}

void onFirstShow(QWidget *widget, std::function<void()> action)
{
    new FirstShowAction(widget, FirstShowAction::Kind::Other, std::move(action));
}

void adjustSizeOnFirstShow(QWidget *widget)
{
    onFirstShow(widget, [widget] { widget->adjustSize(); });
}

QSize designPictureSize(const QString &name)
{
    return readDesignPicture(name).size();
}

Page::Page(const QString &name, const QString &caption, const QString &backgroundName, QWidget *parent)
    : QWidget(parent), m_background(new QLabel(this))
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(Width, Height);
    // White where the background picture leaves the page bare. In the window, the window's own
    // white shows there, so showing a page does not fill its whole area a second time; a page
    // shown or rendered on its own is filled from this palette.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_background->setObjectName(backgroundName);
    m_background->setGeometry(0, 0, Width, Height);
    m_background->lower();
    // Fourteen full-page pictures decoded at start-up took most of the start-up time and some
    // 40 MB, though the learner sees one page at first.
    loadPictureLater(m_background, [box = m_background, picture = QStringLiteral("bg_") + name] {
        box->setPixmap(designPicture(picture));
    });
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
    m_click.press(event);
}

void HotSpot::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(this, event))
        emit clicked();
}
