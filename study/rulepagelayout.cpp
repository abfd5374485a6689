#include "study/rulepagelayout.h"

#include "study/studytexts.h"

namespace RulePageLayout {
namespace {

QStringList pictureFiles(const QStringList &names)
{
    QStringList files;
    for (const QString &name : names)
        files.append(QStringLiteral("images/") + name + QStringLiteral(".png"));
    return files;
}

void cardinal(Layout &l)
{
    l.page = QStringLiteral("Cardinal");
    l.caption = QStringLiteral("Cardinal");
    l.backgroundName = QStringLiteral("Image7");
    l.textSet = StudyTexts::cardinal;
    l.topicListName = QStringLiteral("ListBox7");
    l.textListName = QStringLiteral("ListBox8");
    l.textLabelName = QStringLiteral("Cardenal");
    l.topicGeometry = QRect(80, 80, 289, 417);
    l.topicItemHeight = 15;
    l.textGeometry = QRect(408, 80, 561, 314);
    l.pictureBoxName = QStringLiteral("Image24");
    l.pictureGeometry = QRect(408, 360, 561, 241);
    l.pictures = pictureFiles(RulePictureTables::cardinal());
    // The box opens with the picture of the first topic.
    l.startingPicture = l.pictures.value(0);
    l.bannerName = QStringLiteral("TextFader20");
    l.bannerGeometry = QRect(392, 16, 216, 40);
    l.bannerLines = {QStringLiteral("Cardinal Rules")};
    l.bannerPixels = 27;
    l.backName = QStringLiteral("SpeedButton14");
}

void driving(Layout &l)
{
    l.page = QStringLiteral("Driving");
    l.caption = QStringLiteral("Driving");
    l.backgroundName = QStringLiteral("Image8");
    l.textSet = StudyTexts::driving;
    l.topicListName = QStringLiteral("ListBox5");
    l.textListName = QStringLiteral("ListBox6");
    l.textLabelName = QStringLiteral("defence");
    l.topicGeometry = QRect(85, 81, 284, 520);
    l.textGeometry = QRect(411, 80, 558, 241);
    l.fixedPictureName = QStringLiteral("fixed_Driving");
    l.fixedPictureGeometry = QRect(435, 351, 500, 250);
    l.backName = QStringLiteral("SpeedButton13");
}

void responsibilities(Layout &l)
{
    l.page = QStringLiteral("Responsibilities");
    l.caption = QStringLiteral("Responsibilities");
    l.backgroundName = QStringLiteral("Image9");
    l.textSet = StudyTexts::responsibilities;
    l.topicListName = QStringLiteral("ListBox9");
    l.textListName = QStringLiteral("ListBox10");
    l.textLabelName = QStringLiteral("Responce");
    l.topicGeometry = QRect(80, 81, 289, 528);
    l.topicBorder = true;
    l.textGeometry = QRect(408, 79, 553, 242);
    l.pictureBoxName = QStringLiteral("DRimage");
    l.pictureGeometry = QRect(408, 352, 561, 249);
    l.pictures = pictureFiles(RulePictureTables::responsibilities());
    l.backName = QStringLiteral("SpeedButton15");
}

void driverules(Layout &l)
{
    l.page = QStringLiteral("Driverules");
    l.caption = QStringLiteral("Driverules");
    l.backgroundName = QStringLiteral("Image12");
    l.textSet = StudyTexts::driverules;
    l.topicListName = QStringLiteral("ListBox11");
    l.textListName = QStringLiteral("ListBox12");
    l.textLabelName = QStringLiteral("driverul");
    l.topicGeometry = QRect(80, 87, 385, 514);
    l.textGeometry = QRect(504, 88, 465, 321);
    l.fixedPictureName = QStringLiteral("fixed_Driverules");
    l.fixedPictureGeometry = QRect(504, 440, 465, 161);
    l.backName = QStringLiteral("SpeedButton16");
}

void learners(Layout &l)
{
    l.page = QStringLiteral("LearnersT");
    l.caption = QStringLiteral("Learners");
    l.backgroundName = QStringLiteral("Image4");
    l.textSet = StudyTexts::learners;
    l.topicListName = QStringLiteral("ListBox3");
    l.textListName = QStringLiteral("ListBox4");
    l.textLabelName = QStringLiteral("Learn");
    l.topicGeometry = QRect(80, 80, 297, 529);
    l.textGeometry = QRect(411, 80, 550, 241);
    l.fixedPictureName = QStringLiteral("fixed_LearnersT");
    l.fixedPictureGeometry = QRect(439, 349, 500, 250);
    l.bannerName = QStringLiteral("TextFader19");
    l.bannerGeometry = QRect(3, 16, 974, 28);
    l.bannerLines = {QStringLiteral("The Learner's Licence : Intoduction")};
    l.bannerPixels = 21;
    l.bannerFollowsTopic = true;
    l.backName = QStringLiteral("SpeedButton12");
    l.backGeometry = QRect(925, 644, 57, 22);
}

} // namespace

Layout layout(Kind kind)
{
    Layout l;
    l.backGeometry = QRect(920, 642, 65, 22);
    switch (kind) {
    case Kind::Cardinal:
        cardinal(l);
        break;
    case Kind::Driving:
        driving(l);
        break;
    case Kind::Responsibilities:
        responsibilities(l);
        break;
    case Kind::Driverules:
        driverules(l);
        break;
    case Kind::LearnersT:
        learners(l);
        break;
    }
    return l;
}

} // namespace RulePageLayout
