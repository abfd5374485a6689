#pragma once

#include "controls/page.h"

#include <QLabel>

struct SessionState;
class TTextFader;

// The course page: three tiles (light motor vehicle, heavy motor vehicle, motorcycle), each a
// stack of a dimmed, a lit and a ticked picture. A click selects the course; NEXT confirms it.
class CoursePage : public Page {
    Q_OBJECT
public:
    explicit CoursePage(SessionState &state, QWidget *parent = nullptr);

    void Image34MouseEnter();
    void Image36MouseEnter();
    void Image38MouseEnter();
    void Image31MouseLeave();
    void Image32MouseLeave();
    void Image33MouseLeave();
    void Image31Click();
    void Image32Click();
    void Image33Click();
    void Image34Click();
    void Image34DblClick();
    void SpeedButton22Click();

    // Shows the learner's greeting on one line of the banner.
    void greet(const QString &greeting);

signals:
    // A tile was clicked: the course selection (RadioGroup1 index) has changed. The window loads
    // the main menu's course icons and banners.
    void courseSelected(int index);
    // NEXT with a ticked tile: show the main menu and load the learner's progress. The course
    // code and the profile are updated right after.
    void courseConfirmed();

private:
    TTextFader *TextFader1;
    TTextFader *TextFader2;
    QLabel *Label15, *Label38, *Label39;
    // Dimmed, lit and ticked pictures of the light, heavy and motorcycle slots.
    QLabel *Image34, *Image31, *Image35;
    QLabel *Image36, *Image32, *Image37;
    QLabel *Image38, *Image33, *Image39;
    HotSpot *SpeedButton22;

    QLabel *tile(const QString &name, const QString &picture, int left);
    void connectTile(QLabel *tile, void (CoursePage::*onEnter)(), void (CoursePage::*onLeave)(),
                     void (CoursePage::*onClick)());
    void select(int index);
    void confirm(const QString &code);

    SessionState &m_state;
};
