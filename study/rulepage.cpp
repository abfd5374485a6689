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

} // namespace

RulePage::Look RulePage::look(Kind kind)
{
    struct Style {
        int topicPixels;
        bool topicBold;
        int textPixels;
        QColor topicColour, bannerColour;
    };
    // In the order of the kinds.
    static const Style styles[] = {
        {12, true, 15, Palette::maroon, Palette::maroon}, // Cardinal
        {13, false, 16, QColor(64, 0, 0), Qt::black},     // Driving
        {13, false, 13, Palette::maroon, Qt::black},      // Responsibilities
        {13, false, 16, Palette::maroon, Qt::black},      // Driverules
        {13, false, 16, Palette::maroon, Qt::black},      // LearnersT
    };
    const Style &style = styles[static_cast<int>(kind)];
    Look l;
    static_cast<RulePageLayout::Layout &>(l) = RulePageLayout::layout(kind);
    l.topicFont = pixelFont(arial, style.topicPixels, style.topicBold);
    l.topicColour = style.topicColour;
    l.textFont = pixelFont(arial, style.textPixels);
    l.bannerColour = style.bannerColour;
    return l;
}

RulePage::RulePage(Kind kind, QWidget *parent) : RulePage(look(kind), parent) {}

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
    m_text = makeLabel(this, {.name = m_look.textLabelName,
                              .geometry = QRect(QPoint(), m_look.textGeometry.size()),
                              .font = m_look.textFont,
                              .alignment = Qt::AlignLeft | Qt::AlignTop,
                              .wordWrap = true});
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
