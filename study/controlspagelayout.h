#pragma once

#include <QList>
#include <QRect>
#include <QString>

// What the vehicle-controls pages show: the page's names and places, and the column of control
// names with each control's picture and sentence. MotorcycleT serves the motorcycle course,
// LightVT the light and the heavy motor vehicle courses.
namespace ControlsPageLayout {

enum class Kind { MotorcycleT, LightVT };

// One name of the column with what pointing at it shows.
struct Control {
    QString label;
    QString caption;
    QString picture; // data path of the control's picture
    QString explanation;
    bool highlight = true;        // the name lights up while pointed at
    bool restoresCaption = false; // leaving it brings back the page's starting caption
    QRect geometry;               // an empty size: sized to the caption
};

struct Look {
    QString page, caption, backgroundName;
    QString pictureBoxName;
    QRect pictureGeometry; // the size with the resting picture
    QString restingPicture;
    QString explanationName;
    QRect explanationGeometry;
    QString startingCaption;
    QRect frameGeometry;
    QList<Control> controls;
    QString backName;
    QRect backGeometry;
};

Look look(Kind kind);

} // namespace ControlsPageLayout
