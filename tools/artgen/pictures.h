#pragma once

#include <QImage>
#include <QString>

namespace art {

// Page backgrounds and the update panel.
QImage bgLogin();
QImage bgCourse();
QImage bgMenu();
QImage bgQuestion();
QImage bgMockTest();
QImage bgProgress();
QImage bgSigns();
QImage bgLearners();
QImage bgCardinal();
QImage bgDriving();
QImage bgResponsibilities();
QImage bgDriverules();
QImage bgExterior();
QImage bgMotorcycle();
QImage bgLightV();
QImage bgHeavyV();
QImage panel2();

// Course tiles and icons; `kind` is "lv", "hv" or "m", `state` 0 dull, 1 bright, 2 bright and ticked.
QImage courseTile(const QString &kind, int state);
QImage courseIcon(const QString &kind, bool selected);

// Question page.
QImage diagramMotorcycle();
QImage diagramLightVehicle();
QImage questionPicture();
QImage verdictPicture(int verdict); // 0 correct, 1 incorrect, 2 test mode
QImage optionMarker(bool chosen);

// Study pictures.
QImage cardinalPicture(int n);       // 1 ... 10
QImage responsibilityPicture(int n); // 1 ... 16
QImage fixedDriving();
QImage fixedDriverules();
QImage fixedLearners();
QImage motorcyclePicture(const QString &part); // empty part: the resting picture
QImage lightVehiclePicture(const QString &part);

// Adverts; -1 is the placeholder that invites advertisers.
QImage advert(int n);

} // namespace art
