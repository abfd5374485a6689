#include "study/controlspagelayout.h"

namespace ControlsPageLayout {
namespace {

Control control(const char *label, const char *caption, const char *picture, const char *explanation, bool highlight,
                const QRect &geometry, bool restoresCaption = false)
{
    Control c;
    c.label = QString::fromLatin1(label);
    c.caption = QString::fromLatin1(caption);
    c.picture = QStringLiteral("images/") + QString::fromLatin1(picture) + QStringLiteral(".png");
    c.explanation = QString::fromLatin1(explanation);
    c.highlight = highlight;
    c.restoresCaption = restoresCaption;
    c.geometry = geometry;
    return c;
}

// The motorcycle names are sized to their captions; only their corner is fixed.
QRect at(int y)
{
    return QRect(780, y, 0, 0);
}
// The light-vehicle names share one size.
QRect cell(int y)
{
    return QRect(778, y, 213, 33);
}

void motorcycle(Look &l)
{
    l.page = QStringLiteral("MotorcycleT");
    l.caption = QStringLiteral("Motorcycle");
    l.backgroundName = QStringLiteral("Image2");
    l.pictureBoxName = QStringLiteral("Image3");
    l.pictureGeometry = QRect(64, 117, 698, 328);
    l.restingPicture = QStringLiteral("images/m0.png");
    l.explanationName = QStringLiteral("mvc");
    l.explanationGeometry = QRect(64, 500, 922, 94);
    l.startingCaption =
        QStringLiteral("Familiarize yourself with the Motorcycles controls, mouse over the control names on the right");
    l.frameGeometry = QRect(770, 51, 226, 420);
    l.controls = {
        control("Label17", "Indicator Controller", "m4",
                "Use the indicators to signal to others your intention to change lanes or direction, once a "
                "manoeuvre has been completed, make sure the indicator has been cancelled",
                true, at(61)),
        control("Label1", "Handlebars", "m3",
                "Used to steer in the direction you want to move provided its safe to do so.", true, at(112)),
        control("Label5", "Mirrors", "m8",
                "Look in the mirrors both right and left to check that it is safe behind and to the sides of your "
                "vehicle.",
                false, at(164)),
        control("Label4", "Clutch Lever", "m9",
                "Use the clutch lever to disengage the drive between the engine and the gearbox in order to change "
                "gears (Automatic Motorcycles do not have a clutch lever)",
                false, at(216)),
        control("Label34", "Accelerator Throttle", "m1",
                "use the accelerator throttle to increase speed, and release it to reduce speed.", true, at(268)),
        control("Label35", "Handbreak", "m10",
                "Use the handbrake to reduse speed and to keep the motorcycle stationary", true, at(320)),
        control("Label36", "Foot-Brake Pedal", "m6", "Use the fooot brake to slow down the motorcycle or to stop", true,
                at(372)),
        control("Label37", "Gear Selector", "m5", "Use the gear selector to select or change gears", true, at(424)),
    };
    l.backName = QStringLiteral("SpeedButton8");
}

void lightVehicle(Look &l)
{
    l.page = QStringLiteral("LightVT");
    l.caption = QStringLiteral("Light Vehicle ");
    l.backgroundName = QStringLiteral("Image6");
    l.pictureBoxName = QStringLiteral("Image15");
    l.pictureGeometry = QRect(64, 62, 690, 483);
    l.restingPicture = QStringLiteral("images/defpic.png");
    l.explanationName = QStringLiteral("Lvc");
    l.explanationGeometry = QRect(72, 548, 690, 94);
    l.startingCaption =
        QStringLiteral("Familiarize yourself with the vehicles controls, mouse over the control names on the right");
    l.frameGeometry = QRect(770, 58, 226, 531);
    l.controls = {
        control("Label24", " Indicators", "Cflicker",
                "Use the indicators to signal to others your intention to change lanes or direction, once a "
                "manoeuvre has been completed, make sure the indicator has been cancelled",
                true, cell(66)),
        control("Label28", " Steering Wheel", "Csteer",
                "Used to steer in the direction you want to move provided its safe to do so.", true, cell(114), true),
        control("Label19", " Rear View Mirror", "Crear",
                "Look in the mirror to check that it is safe behind your vehicle.", true, cell(162)),
        control("Label20", " Side Mirrors", "Cmirror",
                "Look in the mirrors both right and left to check that it is safe behind and to the sides of your "
                "vehicle.",
                true, cell(210)),
        control("Label21", " Clutch Pedal", "Cclutch",
                "Use the clutch pedal to disengage the drive between the engine and the gearbox in order to change "
                "gears (Automatic vehicles do not have a clutch pedal)",
                true, cell(258)),
        control("Label18", " Gear Lever", "Cgear",
                "Use the gear lever to change gears (you cant change gears without pressing down the clutch).", true,
                cell(307)),
        control("Label22", " Foot Brake Pedal", "Cbrake",
                "Apply the brakes to slow down or stop,Keep in mind that stopping takes longer when carrying heavy "
                "loads or driving on wet roads",
                true, cell(355)),
        control("Label23", " Accelerator Pedal", "Cpetrol",
                "Push down on the accelerator to increase speed, and release it to reduce speed.", true, cell(403)),
        control("Label25", " Windscreen wipers", "Cwiper",
                "Use the switch to turn the windscreen wiper(s) on for clear vision while driving in rain, etc.", true,
                cell(451)),
        control("Label26", " Hand break", "Chbrake",
                "Use the handbrake to keep the vehicle stationary. Always depress the rachet release when applying "
                "the handbrake.",
                true, cell(499)),
        control("Label27", " Hooter/Horn", "Choot", "Use to warn other road users in an emergency.", true, cell(548)),
    };
    l.backName = QStringLiteral("SpeedButton4");
}

} // namespace

Look look(Kind kind)
{
    Look l;
    l.backGeometry = QRect(920, 642, 67, 23);
    if (kind == Kind::MotorcycleT)
        motorcycle(l);
    else
        lightVehicle(l);
    return l;
}

} // namespace ControlsPageLayout
