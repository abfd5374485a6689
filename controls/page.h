#pragma once

#include "controls/clickarea.h"

#include <QLabel>
#include <QWidget>

#include <functional>

// One page of the main window's page control: 1000 x 702 pixels with a full-page background
// picture (headings and button words drawn in) beneath every other control.
class Page : public QWidget {
    Q_OBJECT
public:
    // `name` is the page's component name, `caption` its (never displayed) caption, and
    // `backgroundName` the component name of the background picture box.
    Page(const QString &name, const QString &caption, const QString &backgroundName, QWidget *parent = nullptr);

    QString caption() const { return windowTitle(); }
    QLabel *background() const { return m_background; }

    static constexpr int Width = 1000;
    static constexpr int Height = 702;

private:
    QLabel *m_background;
};

// A flat, caption-less click area over a word drawn in a background picture; it clicks as a
// ClickArea does.
class HotSpot : public QWidget {
    Q_OBJECT
public:
    HotSpot(const QString &name, const QRect &geometry, QWidget *parent);

    // Clicks the hot spot from code, as the handlers that reuse one another do.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickRule m_click;
};

// A picture of the program's own design (compiled in), or an empty pixmap when it is missing.
QPixmap designPicture(const QString &name);

// Starts reading a design picture on a worker thread; designPicture() then takes the result.
void prefetchDesignPicture(const QString &name);

// Runs `load` when `box` is first shown or painted, once. Pictures of pages the learner has not
// opened yet then cost nothing at start-up. A box keeps at most one waiting load: a later call
// replaces it.
void loadPictureLater(QLabel *box, std::function<void()> load);

// Forgets a load still waiting for the box's first show: the box has been given another picture.
void cancelPictureLater(QLabel *box);

// Runs `action` when `widget` is first shown or painted, once. Sizing a label to its text loads
// its font, which a page the learner has not opened yet need not do at start-up.
void onFirstShow(QWidget *widget, std::function<void()> action);
void adjustSizeOnFirstShow(QWidget *widget);

// The size of a picture of the program's own design; empty when missing.
QSize designPictureSize(const QString &name);
