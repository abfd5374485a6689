#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// What tells the study pages of one pattern apart, apart from their fonts and colours: names,
// places, the compiled-in texts and the pictures by topic row.
namespace RulePageLayout {

enum class Kind { Cardinal, Driving, Responsibilities, Driverules, LearnersT };
inline constexpr Kind kinds[] = {Kind::Cardinal, Kind::Driving, Kind::Responsibilities, Kind::Driverules,
                                 Kind::LearnersT};

struct Layout {
    QString page, caption, backgroundName;
    QString textSet; // the compiled-in titles and texts
    QString topicListName, textListName, textLabelName;
    QRect topicGeometry;
    bool topicBorder = false;
    int topicItemHeight = 0; // 0: the font's height
    QRect textGeometry;
    // Picture chosen by topic row; no box when the name is empty.
    QString pictureBoxName;
    QRect pictureGeometry;
    QStringList pictures;    // picture files by topic row
    QString startingPicture; // shown before any topic is chosen; may be empty
    // A fixed illustration of the program's own design; none when the name is empty.
    QString fixedPictureName;
    QRect fixedPictureGeometry;
    // Banner; none when the name is empty.
    QString bannerName;
    QRect bannerGeometry;
    QStringList bannerLines;
    int bannerPixels = 21;
    bool bannerFollowsTopic = false; // choosing a topic shows its title in the banner
    QString backName;
    QRect backGeometry;
};

Layout layout(Kind kind);

} // namespace RulePageLayout
