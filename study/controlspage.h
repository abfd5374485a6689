#pragma once

#include "controls/page.h"
#include "study/controlspagelayout.h"

#include <QList>
#include <QString>

class QFrame;
class QLabel;

// The vehicle-controls pages: a framed column of control names, and while the pointer rests on a
// name, the control's picture and a sentence on its use. MotorcycleT serves the motorcycle course,
// LightVT the light and the heavy motor vehicle courses.
class ControlsPage : public Page {
    Q_OBJECT
public:
    using Kind = ControlsPageLayout::Kind;
    using Control = ControlsPageLayout::Control;
    using Look = ControlsPageLayout::Look;
    static Look look(Kind kind) { return ControlsPageLayout::look(kind); }

    explicit ControlsPage(Kind kind, QWidget *parent = nullptr);

    // The page that shows the controls of a course selection: the heavy (0) and the light (1)
    // motor vehicle courses share LightVT; the motorcycle course (2) has MotorcycleT.
    static Kind kindForCourse(int courseSelection);

    // The pointer entered or left a control name (Label17MouseEnter, Label17MouseLeave, ...).
    void labelMouseEnter(QLabel *label);
    void labelMouseLeave(QLabel *label);

    const Look &pageLook() const { return m_look; }

signals:
    void menuRequested();

private:
    QLabel *controlLabel(const QString &name) const;
    const Control *controlOf(const QLabel *label) const;

    Look m_look;
    QLabel *m_picture;
    QLabel *m_explanation;
    QFrame *m_frame;
    QList<QLabel *> m_labels;
    HotSpot *m_back;
};
