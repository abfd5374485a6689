#include "study/rulepage.h"

#include "base/guard.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "controls/textfader.h"
#include "study/studytexts.h"
#include "study/studywidgets.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const QString arial = QStringLiteral("Arial");

QStringList pictureFiles(const QStringList &names)
{
    QStringList files;
    for (const QString &name : names)
        files.append(QStringLiteral("images/") + name + QStringLiteral(".png"));
    return files;
}

} // namespace

RulePage::Look RulePage::look(Kind kind)
{
    Look l;
    l.topicColour = Palette::maroon;
    l.bannerColour = Qt::black;
    l.backGeometry = QRect(920, 642, 65, 22);
    switch (kind) {
    case Kind::Cardinal:
        l.page = QStringLiteral("Cardinal");
        l.caption = QStringLiteral("Cardinal");
        l.backgroundName = QStringLiteral("Image7");
        l.textSet = StudyTexts::cardinal;
        l.topicListName = QStringLiteral("ListBox7");
        l.textListName = QStringLiteral("ListBox8");
        l.textLabelName = QStringLiteral("Cardenal");
        l.topicGeometry = QRect(80, 80, 289, 417);
        l.topicFont = pixelFont(arial, 12, true);
        l.topicItemHeight = 15;
        l.textGeometry = QRect(408, 80, 561, 314);
        l.textFont = pixelFont(arial, 15);
        l.pictureBoxName = QStringLiteral("Image24");
        l.pictureGeometry = QRect(408, 360, 561, 241);
        l.pictures = pictureFiles(RulePictureTables::cardinal());
        // The box opens with the picture of the first topic.
        l.startingPicture = l.pictures.value(0);
        l.bannerName = QStringLiteral("TextFader20");
        l.bannerGeometry = QRect(392, 16, 216, 40);
        l.bannerLines = {QStringLiteral("Cardinal Rules")};
        l.bannerPixels = 27;
        l.bannerColour = Palette::maroon;
        l.backName = QStringLiteral("SpeedButton14");
        break;
    case Kind::Driving:
        l.page = QStringLiteral("Driving");
        l.caption = QStringLiteral("Driving");
        l.backgroundName = QStringLiteral("Image8");
        l.textSet = StudyTexts::driving;
        l.topicListName = QStringLiteral("ListBox5");
        l.textListName = QStringLiteral("ListBox6");
        l.textLabelName = QStringLiteral("defence");
        l.topicGeometry = QRect(85, 81, 284, 520);
        l.topicFont = pixelFont(arial, 13);
        l.topicColour = QColor(64, 0, 0);
        l.textGeometry = QRect(411, 80, 558, 241);
        l.textFont = pixelFont(arial, 16);
        l.fixedPictureName = QStringLiteral("fixed_Driving");
        l.fixedPictureGeometry = QRect(435, 351, 500, 250);
        l.backName = QStringLiteral("SpeedButton13");
        break;
    case Kind::Responsibilities:
        l.page = QStringLiteral("Responsibilities");
        l.caption = QStringLiteral("Responsibilities");
        l.backgroundName = QStringLiteral("Image9");
        l.textSet = StudyTexts::responsibilities;
        l.topicListName = QStringLiteral("ListBox9");
        l.textListName = QStringLiteral("ListBox10");
        l.textLabelName = QStringLiteral("Responce");
        l.topicGeometry = QRect(80, 81, 289, 528);
        l.topicFont = pixelFont(arial, 13);
        l.topicBorder = true;
        l.textGeometry = QRect(408, 79, 553, 242);
        l.textFont = pixelFont(arial, 13);
        l.pictureBoxName = QStringLiteral("DRimage");
        l.pictureGeometry = QRect(408, 352, 561, 249);
        l.pictures = pictureFiles(RulePictureTables::responsibilities());
        l.backName = QStringLiteral("SpeedButton15");
        break;
    case Kind::Driverules:
        l.page = QStringLiteral("Driverules");
        l.caption = QStringLiteral("Driverules");
        l.backgroundName = QStringLiteral("Image12");
        l.textSet = StudyTexts::driverules;
        l.topicListName = QStringLiteral("ListBox11");
        l.textListName = QStringLiteral("ListBox12");
        l.textLabelName = QStringLiteral("driverul");
        l.topicGeometry = QRect(80, 87, 385, 514);
        l.topicFont = pixelFont(arial, 13);
        l.textGeometry = QRect(504, 88, 465, 321);
        l.textFont = pixelFont(arial, 16);
        l.fixedPictureName = QStringLiteral("fixed_Driverules");
        l.fixedPictureGeometry = QRect(504, 440, 465, 161);
        l.backName = QStringLiteral("SpeedButton16");
        break;
    case Kind::LearnersT:
        l.page = QStringLiteral("LearnersT");
        l.caption = QStringLiteral("Learners");
        l.backgroundName = QStringLiteral("Image4");
        l.textSet = StudyTexts::learners;
        l.topicListName = QStringLiteral("ListBox3");
        l.textListName = QStringLiteral("ListBox4");
        l.textLabelName = QStringLiteral("Learn");
        l.topicGeometry = QRect(80, 80, 297, 529);
        l.topicFont = pixelFont(arial, 13);
        l.textGeometry = QRect(411, 80, 550, 241);
        l.textFont = pixelFont(arial, 16);
        l.fixedPictureName = QStringLiteral("fixed_LearnersT");
        l.fixedPictureGeometry = QRect(439, 349, 500, 250);
        l.bannerName = QStringLiteral("TextFader19");
        l.bannerGeometry = QRect(3, 16, 974, 28);
        l.bannerLines = {QStringLiteral("The Learner's Licence : Intoduction")};
        l.bannerPixels = 21;
        l.bannerColour = Qt::black;
        l.bannerFollowsTopic = true;
        l.backName = QStringLiteral("SpeedButton12");
        l.backGeometry = QRect(925, 644, 57, 22);
        break;
    }
    return l;
}

RulePage::RulePage(Kind kind, QWidget *parent)
    : RulePage(look(kind), parent)
{
}

RulePage::RulePage(const Look &pageLook, QWidget *parent)
    : Page(pageLook.page, pageLook.caption, pageLook.backgroundName, parent), m_look(pageLook),
      m_titles(StudyTexts::titles(pageLook.textSet))
{
    m_topics = new StudyListBox(m_look.topicListName, this);
    m_topics->setGeometry(m_look.topicGeometry);
    if (m_look.topicBorder) {
        m_topics->setFrameShape(QFrame::Box);
        m_topics->setLineWidth(1);
    } else {
        m_topics->setFrameShape(QFrame::NoFrame);
    }
    m_topics->setFont(m_look.topicFont);
    setTextColour(m_topics, m_look.topicColour);
    if (m_look.topicItemHeight > 0)
        m_topics->setItemHeight(m_look.topicItemHeight);
    m_topics->setCursor(Qt::PointingHandCursor);
    m_topics->viewport()->setCursor(Qt::PointingHandCursor);
    m_topics->addItems(m_titles);
    connect(m_topics, &StudyListBox::Click, this, &RulePage::topicClicked);

    // A text longer than its box scrolls instead of being cut off; the box stays see-through over
    // the page's background.
    m_textScroll = new QScrollArea(this);
    m_textScroll->setGeometry(m_look.textGeometry);
    m_textScroll->setFrameShape(QFrame::NoFrame);
    m_textScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textScroll->setWidgetResizable(true);
    m_text = makeLabel(this, {.name = m_look.textLabelName, .geometry = QRect(QPoint(), m_look.textGeometry.size()),
                              .font = m_look.textFont, .alignment = Qt::AlignLeft | Qt::AlignTop, .wordWrap = true});
    m_text->setTextFormat(Qt::PlainText);
    m_textScroll->setWidget(m_text);
    m_text->setAutoFillBackground(false);
    m_textScroll->viewport()->setAutoFillBackground(false);

    if (!m_look.pictureBoxName.isEmpty()) {
        m_picture = new QLabel(this);
        m_picture->setObjectName(m_look.pictureBoxName);
        m_picture->setGeometry(m_look.pictureGeometry);
        // Drawn as it is, from the top-left corner, and cut off at the box's edges.
        m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!m_look.startingPicture.isEmpty())
            loadPictureLater(m_picture, [this] { Study::showPictureQuietly(m_picture, m_look.startingPicture); });
    }

    if (!m_look.fixedPictureName.isEmpty()) {
        m_fixedPicture = new QLabel(this);
        m_fixedPicture->setObjectName(m_look.fixedPictureName);
        m_fixedPicture->setGeometry(m_look.fixedPictureGeometry);
        loadPictureLater(m_fixedPicture, [this] { m_fixedPicture->setPixmap(designPicture(m_look.fixedPictureName)); });
    }

    if (!m_look.bannerName.isEmpty()) {
        FaderSettings settings;
        settings.name = m_look.bannerName;
        settings.geometry = m_look.bannerGeometry;
        settings.lines = m_look.bannerLines;
        settings.fontPixels = m_look.bannerPixels;
        settings.fontColor = m_look.bannerColour;
        settings.alignment = taCenter;
        settings.transparent = true;
        m_banner = makeFader(this, settings);
    }

    m_back = new HotSpot(m_look.backName, m_look.backGeometry, this);
    connect(m_back, &HotSpot::clicked, this, &RulePage::menuRequested);
}

const QStringList &RulePage::texts() const
{
    if (!m_textsRead) {
        m_texts = StudyTexts::texts(m_look.textSet);
        m_textsRead = true;
    }
    return m_texts;
}

void RulePage::open()
{
    m_topics->selectRow(0);
    showText(0);
}

void RulePage::showText(int row)
{
    m_textRow = row;
    m_text->setText(texts().value(row));
    m_textScroll->verticalScrollBar()->setValue(0);
}

int RulePage::topicRow(const QString &title) const
{
    for (int i = 0; i < m_topics->count(); ++i)
        if (m_topics->item(i)->text().trimmed().compare(title, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RulePage::chooseTopic(int row)
{
    m_topics->selectRow(row);
    m_topics->scrollToItem(m_topics->item(row));
    topicClicked();
}

void RulePage::topicClicked()
{
    guarded([&] {
        const int row = m_topics->currentRow();
        if (row < 0)
            return;
        showText(row);
        if (m_picture && row < m_look.pictures.size())
            Study::showPicture(m_picture, m_look.pictures.at(row));
        if (m_banner && m_look.bannerFollowsTopic)
            m_banner->SetLines({m_titles.value(row)});
    });
}
