#include "testing/questionpage.h"

#include "base/course.h"
#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/guard.h"
#include "base/messages.h"
#include "base/nameprompt.h"
#include "base/safename.h"
#include "base/sessionstate.h"
#include "controls/clickarea.h"
#include "controls/datapicture.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "learner/profile.h"
#include "testing/progresschart.h"
#include "testing/progressrecords.h"
#include "testing/questionbank.h"
#include "testing/questionpictures.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <limits>

namespace {

const QString tahoma = QStringLiteral("Tahoma");

// The rounded frame around the options and the picture; it only draws, clicks pass through.
class RoundedShape : public QWidget {
public:
    explicit RoundedShape(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Palette::darkBlue, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 12, 12);
    }
};

// A picture larger than its box is scaled down to fit, proportions kept, so it shows whole.
QPixmap fitted(const QPixmap &picture, const QSize &box)
{
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void showDesignPicture(QLabel *box, const QString &name)
{
    const QPixmap picture = designPicture(name);
    if (!picture.isNull())
        box->setPixmap(fitted(picture, box->size()));
}

// A label showing its line of a question file as it stands: a "<b>" or "&amp;" there is text.
QLabel *plainLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

ClickArea *clickArea(QWidget *parent, std::function<void()> onClick)
{
    auto *area = new ClickArea(parent);
    area->setTextFormat(Qt::PlainText);
    QObject::connect(area, &ClickArea::clicked, parent, std::move(onClick));
    return area;
}

} // namespace

void showPictureFile(QLabel *box, const QString &path)
{
    // The neutral picture and the markers come back at every question; a box that already shows
    // the file keeps its picture.
    if (box->property("pictureFile").toString() == path && !box->pixmap().isNull())
        return;
    const QPixmap picture = dataPicture(path);
    if (picture.isNull())
        return;
    box->setPixmap(fitted(picture, box->size()));
    box->setProperty("pictureFile", path);
}

QuestionPage::QuestionPage(SessionState &state, ProgressChart &chart, QWidget *parent)
    : Page(QStringLiteral("QuestionT"), QStringLiteral("Question"), QStringLiteral("Image10"), parent), m_state(state),
      m_chart(chart)
{
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(64, 50, 933, 557);
    GroupBox1->setStyleSheet(QStringLiteral("QGroupBox#GroupBox1 { background-color: white; border: none; }"));

    Question = setUp(plainLabel(GroupBox1), {.name = QStringLiteral("Question"),
                                             .geometry = {24, 17, 838, 66},
                                             .font = pixelFont(tahoma, 24),
                                             .colour = Palette::maroon,
                                             .wordWrap = true});

    QLabel **statements[] = {&Q1, &Q2, &Q3};
    for (int i = 0; i < 3; ++i) {
        *statements[i] = setUp(plainLabel(GroupBox1), {.name = QStringLiteral("Q%1").arg(i + 1),
                                                       .geometry = {24, 89 + 65 * i, 910, 60},
                                                       .font = pixelFont(tahoma, 19),
                                                       .alignment = Qt::AlignLeft | Qt::AlignTop,
                                                       .wordWrap = true});
    }

    makeAnswerArea();
    makeFooter();
}

// The frame of the answer area: the options with their markers, the picture, the diagrams and the
// verdict.
void QuestionPage::makeAnswerArea()
{
    Shape5 = new RoundedShape(GroupBox1);
    Shape5->setObjectName(QStringLiteral("Shape5"));
    Shape5->setGeometry(16, 282, 905, 265);

    Label16 = makeLabel(GroupBox1, {.name = QStringLiteral("Label16"),
                                    .font = pixelFont(tahoma, 16),
                                    .colour = Palette::navy,
                                    .text = QStringLiteral("Choose the Correct Combination")});
    Label16->move(49, 295);
    adjustSizeOnFirstShow(Label16);

    displayit = new QLabel(GroupBox1);
    displayit->setObjectName(QStringLiteral("displayit"));
    displayit->setGeometry(607, 339, 255, 166);
    displayit->setAlignment(Qt::AlignCenter);
    displayit->setAttribute(Qt::WA_TranslucentBackground);

    // The diagrams are scaled down to lie inside the frame around the options and the picture.
    MCpic = new QLabel(GroupBox1);
    MCpic->setObjectName(QStringLiteral("MCpic"));
    MCpic->setGeometry(498, 320, 420, 224);
    MCpic->setAlignment(Qt::AlignCenter);
    MCpic->hide();
    // The diagrams are decoded when a question first shows one.
    loadPictureLater(MCpic, [this] { showDesignPicture(MCpic, QStringLiteral("diagram_m")); });

    lvpic = new QLabel(GroupBox1);
    lvpic->setObjectName(QStringLiteral("lvpic"));
    lvpic->setGeometry(556, 295, 355, 245);
    lvpic->setAlignment(Qt::AlignCenter);
    lvpic->hide();
    loadPictureLater(lvpic, [this] { showDesignPicture(lvpic, QStringLiteral("diagram_lv")); });
    // The verdict of an answer shows over a diagram.
    displayit->raise();

    const QPoint markerAt[] = {{40, 339}, {40, 392}, {40, 448}, {40, 504}};
    const QPoint optionAt[] = {{104, 339}, {104, 392}, {105, 448}, {104, 505}};
    const char *optionNames[] = {"A1a", "A2b", "A3c", "A4d"};
    for (int i = 0; i < 4; ++i) {
        const int option = i + 1;
        markers[i] = clickArea(GroupBox1, [this, option] { handle([&] { choose(option); }); });
        markers[i]->setObjectName(QStringLiteral("Image%1").arg(11 + i));
        markers[i]->setGeometry(QRect(markerAt[i], QSize(31, 30)));
        options[i] = setUp(clickArea(GroupBox1, [this, option] { handle([&] { choose(option); }); }),
                           {.name = QString::fromLatin1(optionNames[i]), .font = pixelFont(tahoma, 24)});
        options[i]->move(optionAt[i]);
        adjustSizeOnFirstShow(options[i]);
    }

    info = makeLabel(GroupBox1, {.name = QStringLiteral("info"),
                                 .geometry = {631, 312, 203, 29},
                                 .font = pixelFont(tahoma, 24),
                                 .colour = Palette::darkBlue,
                                 .alignment = Qt::AlignCenter});
}

// The score lines, the learner's line and the page's buttons under the question.
void QuestionPage::makeFooter()
{
    Label12 = makeLabel(
        this, {.name = QStringLiteral("Label12"), .geometry = {88, 613, 400, 18}, .font = pixelFont(tahoma, 13)});
    Label13 = makeLabel(
        this, {.name = QStringLiteral("Label13"), .geometry = {88, 632, 400, 18}, .font = pixelFont(tahoma, 13)});
    Label14 = makeLabel(this, {.name = QStringLiteral("Label14"),
                               .geometry = {20, 676, 600, 18},
                               .font = pixelFont(QStringLiteral("Arial"), 13),
                               .colour = Palette::white});
    Label14->setCursor(Qt::PointingHandCursor);

    SpeedButton3 = new HotSpot(QStringLiteral("SpeedButton3"), {792, 642, 60, 23}, this);
    SpeedButton11 = new HotSpot(QStringLiteral("SpeedButton11"), {864, 642, 62, 23}, this);
    SpeedButton2 = new HotSpot(QStringLiteral("SpeedButton2"), {932, 642, 53, 23}, this);
    connect(SpeedButton3, &HotSpot::clicked, this, &QuestionPage::SpeedButton3Click);
    connect(SpeedButton11, &HotSpot::clicked, this, &QuestionPage::SpeedButton11Click);
    connect(SpeedButton2, &HotSpot::clicked, this, &QuestionPage::SpeedButton2Click);

    SpeedButton1 = new QPushButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->hide();
    connect(SpeedButton1, &QPushButton::clicked, this, &QuestionPage::SpeedButton1Click);
}

bool QuestionPage::handle(const std::function<void()> &body)
{
    m_unreadableQuestion = false;
    const bool ok = guarded(body);
    if (m_unreadableQuestion) {
        m_unreadableQuestion = false;
        emit menuRequested();
    }
    return ok;
}

bool QuestionPage::openPractice()
{
    return handle([&] {
        if (m_state.ctype == Course::motorcycle)
            Label14->setText(QStringLiteral("Motor Cycle questions"));
        else if (m_state.ctype == Course::light)
            Label14->setText(QStringLiteral("Light Motor Vehicle questions"));
        else if (m_state.ctype == Course::heavy)
            Label14->setText(QStringLiteral("Heavy Motor Vehicle questions"));
        m_state.mode = 1;
        next();
    });
}

bool QuestionPage::openTest()
{
    return handle([&] {
        m_chart.resetTestResults();
        m_state.mode = 0;
        next();
    });
}

void QuestionPage::SpeedButton2Click()
{
    handle([&] { next(); });
}
void QuestionPage::SpeedButton11Click()
{
    handle([&] { back(); });
}
void QuestionPage::SpeedButton1Click()
{
    resetStep();
}

void QuestionPage::SpeedButton3Click()
{
    const QString &name = m_state.learnerName;
    if (!Profile::nameProblem(name).isEmpty() || !Profile::exists(name))
        m_state.Qnumber = 0;
    emit menuRequested();
}

void QuestionPage::A1aClick()
{
    handle([&] { choose(1); });
}
void QuestionPage::A2bClick()
{
    handle([&] { choose(2); });
}
void QuestionPage::A3cClick()
{
    handle([&] { choose(3); });
}
void QuestionPage::A4dClick()
{
    handle([&] { choose(4); });
}
void QuestionPage::Image11Click()
{
    handle([&] { choose(1); });
}
void QuestionPage::Image12Click()
{
    handle([&] { choose(2); });
}
void QuestionPage::Image13Click()
{
    handle([&] { choose(3); });
}
void QuestionPage::Image14Click()
{
    handle([&] { choose(4); });
}

void QuestionPage::correct()
{
    handle([&] { judgeCorrect(); });
}
void QuestionPage::incorrect()
{
    handle([&] { judgeIncorrect(); });
}

void QuestionPage::clearAnswerDisplay()
{
    showPictureFile(displayit, DataPaths::image(QuestionPictures::neutral));
    info->clear();
    for (QLabel *marker : markers)
        showPictureFile(marker, DataPaths::image(QuestionPictures::marker));
}

void QuestionPage::setStatementColour(const QColor &colour)
{
    for (QLabel *statement : {Q1, Q2, Q3})
        setTextColour(statement, colour);
}

void QuestionPage::next()
{
    // An empty bank is one still being downloaded, not one the learner has finished: the learner's
    // place and profile are kept for when the questions are there.
    if (QuestionBank::CountFiles() == 0) {
        emit menuRequested();
        return;
    }
    if (m_state.Qnumber > QuestionBank::CountFiles() - 1) {
        Messages::show(QStringLiteral("You have completed the questions"));
        m_state.Qnumber = 0;
        emit menuRequested();
        if (!ProgressRecords::maximaExist())
            m_chart.saveSectionMaximumFile();
        // The page goes on to prepare question 1 behind the menu.
    }

    displayit->show();
    lvpic->hide();
    MCpic->hide();
    m_state.a = m_state.b = m_state.c = m_state.d = 0;

    if (m_state.ctype == Course::light)
        Label14->setText(QStringLiteral("Light Motor Vehicle Questions"));
    else if (m_state.ctype == Course::heavy)
        Label14->setText(QStringLiteral("Heavy Motor Vehicle Questions"));
    else if (m_state.ctype == Course::motorcycle)
        Label14->setText(QStringLiteral("Motor Cycle questions"));
    const QuestionBank::Step step = QuestionBank::nextQuestionNumber(m_state.Qnumber, m_state.ctype);
    m_state.Qnumber = step.number;
    if (!step.notice.isEmpty())
        Label14->setText(step.notice);

    clearAnswerDisplay();
    setStatementColour(Qt::black);

    std::optional<QStringList> lines;
    try {
        lines = QuestionBank::load(m_state.Qnumber);
    } catch (const DataError &) {
        m_unreadableQuestion = true;
        throw;
    }
    if (lines)
        showQuestion(*lines);
    else
        emit menuRequested();

    storeQuestionNumber();
}

void QuestionPage::showQuestion(const QStringList &lines)
{
    using namespace QuestionBank;
    Label12->setText(QStringLiteral("Question no:") + QString::number(m_state.Qnumber) + QStringLiteral(" / ") +
                     QString::number(CountFiles()));
    m_questionbox = lines;
    Question->setText(lines.at(QuestionLine));
    Q1->setText(lines.at(StatementA));
    Q2->setText(lines.at(StatementB));
    Q3->setText(lines.at(StatementC));
    for (int i = 0; i < 4; ++i) {
        options[i]->setText(lines.at(Option1 + i));
        options[i]->adjustSize();
    }

    const AnswerFlags flags = answerFlags(lines.at(KeyLine));
    m_state.a = flags.a;
    m_state.b = flags.b;
    m_state.c = flags.c;
    m_state.d = flags.d;

    m_state.cattype = lines.at(SectionLine);
    if (const std::optional<QString> type = sectionTypeText(m_state.cattype)) {
        Label13->setText(*type);
        if (!ProgressRecords::maximaExist())
            m_chart.countSectionMaximum(m_state.cattype);
    }

    const QString &picture = lines.at(PictureLine);
    switch (pictureKind(picture)) {
    case PictureKind::Neutral:
        MCpic->hide();
        lvpic->hide();
        break;
    case PictureKind::MotorcycleDiagram:
        MCpic->show();
        lvpic->hide();
        displayit->hide();
        break;
    case PictureKind::LightVehicleDiagram:
        lvpic->show();
        MCpic->hide();
        displayit->hide();
        break;
    case PictureKind::File:
        displayit->show();
        showPictureFile(displayit, QuestionBank::picturePath(picture));
        break;
    }
}

bool QuestionPage::learnerSignedIn() const
{
    const QString &name = m_state.learnerName;
    return !name.isEmpty() && name != LearnerName::prompt && m_state.Saver.size() >= 2 &&
           Profile::nameProblem(name).isEmpty();
}

void QuestionPage::storeQuestionNumber()
{
    // Without a signed-in learner there is no profile to keep the place in.
    if (!learnerSignedIn())
        return;
    Profile::setQuestionNumber(m_state.Saver, m_state.Qnumber);
    Profile::write(m_state.learnerName, m_state.Saver);
}

void QuestionPage::back()
{
    m_state.Qnumber -= 2;
    if (m_state.Qnumber < QuestionBank::CountFiles())
        next();
    else
        resetStep();
}

void QuestionPage::resetStep()
{
    displayit->show();
    lvpic->hide();
    m_state.a = m_state.b = m_state.c = m_state.d = 0;
    ++m_state.Qnumber;
    if (m_state.Qnumber > QuestionBank::lastReservedNumber) {
        Messages::show(QStringLiteral("you have completed the questions"));
        m_state.Qnumber = 0;
        emit menuRequested();
    }
    clearAnswerDisplay();
    setStatementColour(Qt::white);
}

void QuestionPage::choose(int option)
{
    for (int i = 0; i < 4; ++i)
        showPictureFile(markers[i],
                        DataPaths::image(i + 1 == option ? QuestionPictures::chosenMarker : QuestionPictures::marker));
    const QuestionBank::AnswerFlags flags{m_state.a, m_state.b, m_state.c, m_state.d};
    if (flags.forOption(option) == 1)
        judgeCorrect();
    else
        judgeIncorrect();
}

void QuestionPage::judgeCorrect()
{
    if (m_state.practiceMode()) {
        displayit->show();
        showPictureFile(displayit, DataPaths::image(QuestionPictures::correct));
        info->setText(QStringLiteral("Correct"));
        return;
    }
    recordAnswer(+1);
}

void QuestionPage::judgeIncorrect()
{
    if (m_state.practiceMode()) {
        displayit->show();
        showPictureFile(displayit, DataPaths::image(QuestionPictures::incorrect));
        info->setText(QStringLiteral("Incorrect"));
        setStatementColour(Qt::black);
        return;
    }
    recordAnswer(-1);
}

void QuestionPage::recordAnswer(int change)
{
    // A question without a valid answer key is not counted at all.
    const QuestionBank::AnswerFlags flags{m_state.a, m_state.b, m_state.c, m_state.d};
    if (!flags.any())
        return;
    displayit->show();
    showPictureFile(displayit, DataPaths::image(QuestionPictures::testMode));
    info->setText(QStringLiteral("Test Mode"));
    const std::optional<ProgressRecords::Section> section = ProgressRecords::sectionOfCode(m_state.cattype);
    if (!section)
        return;
    int *score = nullptr;
    switch (*section) {
    case ProgressRecords::Section::RoadRules:
        score = &m_state.rrscore;
        break;
    case ProgressRecords::Section::VehicleControls:
        score = &m_state.vcscore;
        break;
    case ProgressRecords::Section::RoadSigns:
        score = &m_state.rsscore;
        break;
    }
    // A score read from a file may already be the largest an int holds.
    if (change > 0) {
        if (*score < std::numeric_limits<int>::max())
            ++*score;
    } else if (*score > 0) {
        --*score;
    }
    m_chart.recordSectionScore(*section);
}

void QuestionPage::showEvent(QShowEvent *event)
{
    Page::showEvent(event);
    // The page takes the keyboard whenever it is shown; its controls take none.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
}

void QuestionPage::keyPressEvent(QKeyEvent *event)
{
    void (QuestionPage::*const markers[])() = {&QuestionPage::Image11Click, &QuestionPage::Image12Click,
                                               &QuestionPage::Image13Click, &QuestionPage::Image14Click};
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        (this->*markers[key - Qt::Key_1])();
    else if (key == Qt::Key_Right)
        SpeedButton2Click();
    else if (key == Qt::Key_Left)
        SpeedButton11Click();
    else if (key == Qt::Key_Escape)
        SpeedButton3Click();
    else
        Page::keyPressEvent(event);
}
