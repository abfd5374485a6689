#include "controls/clickarea.h"

#include <QCursor>
#include <QVariant>
#include <QEvent>
#include <QMouseEvent>

void ClickRule::press(const QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

bool ClickRule::release(const QWidget *control, const QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && control->rect().contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

ClickArea::ClickArea(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void ClickArea::recheckHover()
{
    setHovered(isVisible() && rect().contains(mapFromGlobal(QCursor::pos())));
}

void ClickArea::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    if (hovered)
        emit entered();
    else
        emit left();
}

void ClickArea::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(this, event))
        emit clicked();
}

void ClickArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first press and release of a double click were a click already; the second press
    // makes the double click and no further click.
    m_click.cancel();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ClickArea::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    setHovered(true);
    recheckPage();
}

void ClickArea::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    setHovered(false);
    recheckPage();
}

void ClickArea::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    // Shown under a resting pointer, the control is pointed at at once.
    if (!m_hovered && rect().contains(mapFromGlobal(QCursor::pos())))
        setHovered(true);
}

void ClickArea::hideEvent(QHideEvent *event)
{
    QLabel::hideEvent(event);
    // A hidden control cannot be pointed at; being hidden is not the pointer leaving it.
    m_hovered = false;
    m_click.cancel();
}

namespace {

const char *const recheckedPage = "tarmikaHoverRecheck";

// Re-checks every click area of a page until none changes. A change runs a handler that may show
// or hide other areas, so a change made during a round asks for one more.
void recheckAll(QWidget *page)
{
    static bool running = false;
    static bool again = false;
    if (running) {
        again = true;
        return;
    }
    running = true;
    for (int round = 0; round < 4; ++round) {
        again = false;
        const QList<ClickArea *> areas = page->findChildren<ClickArea *>();
        for (ClickArea *area : areas)
            area->recheckHover();
        if (!again)
            break;
    }
    running = false;
}

class HoverRecheck : public QObject {
public:
    explicit HoverRecheck(QWidget *page) : QObject(page), m_page(page)
    {
        page->setProperty(recheckedPage, true);
        page->setMouseTracking(true);
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave)
            recheckAll(m_page);
        return false;
    }

private:
    QWidget *m_page;
};

} // namespace

void recheckHoverOnMoves(QWidget *page)
{
    new HoverRecheck(page);
}

void ClickArea::recheckPage()
{
    // The window system reports the pointer's arrival to the control it was over before a
    // handler showed or hid controls, and may send the move itself to a control now hidden; so
    // the whole page is looked at again once the handler has run.
    for (QWidget *up = parentWidget(); up; up = up->parentWidget()) {
        if (up->property(recheckedPage).toBool()) {
            recheckAll(up);
            return;
        }
    }
}
