#pragma once

#include <QColor>

// The colours of the program's pages. A colour the pages share is named here once, so a page
// and the page beside it can never drift apart by a shade.
namespace Palette {

// Headings, banners, greetings and the words of the pages.
inline const QColor maroon{128, 0, 0};
// A menu entry under the pointer, and the words of the entries at rest.
inline const QColor yellow{255, 255, 0};
inline const QColor white{255, 255, 255};
// The frame of the vehicle-controls column and of the question panel, and their words.
inline const QColor darkBlue{33, 53, 171};
// The ground of a highlighted control label and of the sign-in field.
inline const QColor lightBlue{143, 172, 239};
// The heading over the answer combinations of the question page.
inline const QColor navy{0, 0, 128};
// Notes and headings of the mock test and progress pages.
inline const QColor slate{60, 70, 90};
// A passed and a failed mock test, and the options marked right and wrong in its review.
inline const QColor passGreen{30, 123, 30};
inline const QColor failRed{176, 0, 0};
// The three gauges of the main menu: rules of the road, vehicle controls, road signs.
inline const QColor gaugeRed{255, 0, 0};
inline const QColor gaugeOrange{255, 128, 0};
inline const QColor gaugeGreen{0, 128, 0};

} // namespace Palette
