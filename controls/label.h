#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

#include <optional>

// A font with a pixel size, the way the page designs give them.
QFont pixelFont(const QString &family, int pixels, bool bold = false, bool italic = false);

// Sets the colour of the words of a label or a list.
void setTextColour(QWidget *widget, const QColor &colour);

// How a label of a page looks and where it stands. What is left out keeps the label's own: a
// label without a geometry stays where it is, one without an alignment keeps the default.
struct LabelSettings {
    QString name{};
    QRect geometry{};
    QFont font{};
    QColor colour = Qt::black;
    std::optional<Qt::Alignment> alignment{};
    bool wordWrap = false;
    QString text{};
};

// Gives a label of any kind (a plain label, a click area) its name, place, font, colour and text.
void setUpLabel(QLabel *label, const LabelSettings &settings);

template <typename Label>
Label *setUp(Label *label, const LabelSettings &settings)
{
    setUpLabel(label, settings);
    return label;
}

// A new label on `parent`, set up as `settings` say.
QLabel *makeLabel(QWidget *parent, const LabelSettings &settings);
