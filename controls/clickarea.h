#pragma once

#include <QLabel>

class QMouseEvent;

// When a press and a release make a click, for every clickable control that is not a push
// button (click areas, hot spots, text faders): a left press, then a left release over the same
// control. A release outside it, or after any other press, is no click.
class ClickRule {
public:
    void press(const QMouseEvent *event);
    // Whether this release over `control` completes a click.
    bool release(const QWidget *control, const QMouseEvent *event);
    // Forgets a press the control can no longer finish, as when it is hidden.
    void cancel() { m_pressed = false; }

private:
    bool m_pressed = false;
};

// A picture or label that the learner clicks and points at. A click is a left press and a
// release over the same control, as on a button. Whether the pointer is over the control is
// checked against where the pointer really is when the control is shown and whenever
// recheckHover() runs, so a control shown under a resting pointer, or jumped across in one move,
// or left while a message box was open, never stays marked as pointed at.
class ClickArea : public QLabel {
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent = nullptr);

    bool hovered() const { return m_hovered; }

    // Compares the hover state with the pointer's position now and reports a change.
    void recheckHover();

signals:
    void clicked();
    void doubleClicked();
    void entered();
    void left();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setHovered(bool hovered);
    void recheckPage();

    ClickRule m_click;
    bool m_hovered = false;
};

// Re-checks the hover state of every click area inside `page` after each pointer move over the
// page and when the pointer leaves it.
void recheckHoverOnMoves(QWidget *page);
