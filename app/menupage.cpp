#include "app/menupage.h"

#include "base/messages.h"
#include "base/nameprompt.h"
#include "base/sessionstate.h"
#include "controls/palette.h"
#include "controls/textfader.h"

namespace {
struct EntryRow {
    const char *name;
    const char *text;
    int top;
    int lineDelay;
};

// The entry column: text, top and line delay of every entry.
const EntryRow entryRows[] = {
    {"TextFader15", "Introduction", 15, 2000},         {"TextFader14", "The Learner's Exam", 65, 2000},
    {"TextFader16", "Cardinal Rules", 116, 2000},      {"TextFader17", "Driving Rules", 167, 2000},
    {"TextFader7", "Defensive Driving", 218, 1000},    {"TextFader18", "Driver Responsibilities", 269, 2000},
    {"TextFader4", "Road Signs / Signals", 320, 1000}, {"TextFader6", "Controls", 371, 1000},
    {"TextFader8", "Exterior Inspection", 422, 1000},  {"TextFader21", "Interior Inpection", 473, 1000},
    {"TextFader11", "Learners Questions", 524, 1000},  {"TextFader12", "Test yourself", 576, 1000},
};
} // namespace

MenuPage::MenuPage(SessionState &state, QWidget *parent)
    : Page(QStringLiteral("MenuT"), QStringLiteral("Main Menu"), QStringLiteral("Image17"), parent), m_state(state)
{
    Shape6 = new QLabel(this);
    Shape6->setObjectName(QStringLiteral("Shape6"));
    Shape6->setGeometry(653, 0, 347, 653);
    Shape6->setAutoFillBackground(true);
    QPalette shapePalette = Shape6->palette();
    shapePalette.setColor(QPalette::Window, Palette::maroon);
    Shape6->setPalette(shapePalette);

    makeEntryColumn();
    makeHeadings();
    makeCourseCorner();
}

// The column of study and test entries on the maroon band, with "Exit Program" under it.
void MenuPage::makeEntryColumn()
{
    for (const EntryRow &row : entryRows) {
        auto *fader = makeFader(this, {.name = QString::fromLatin1(row.name),
                                       .geometry = {672, row.top, 308, 38},
                                       .lines = {QString::fromUtf8(row.text)},
                                       .handCursor = true,
                                       .lineDelay = row.lineDelay});
        m_entries.insert(fader->objectName(), fader);
        hover(fader, Palette::white);
    }
    TextFader9 = makeFader(this, {.name = QStringLiteral("TextFader9"),
                                  .geometry = {760, 656, 128, 29},
                                  .lines = {QStringLiteral("Exit Program")},
                                  .fontPixels = 19,
                                  .handCursor = true,
                                  .lineDelay = 1000});
    m_entries.insert(TextFader9->objectName(), TextFader9);
    hover(TextFader9, Palette::white);
    TextFader4 = entry(QStringLiteral("TextFader4"));
    TextFader6 = entry(QStringLiteral("TextFader6"));
    TextFader7 = entry(QStringLiteral("TextFader7"));
    TextFader8 = entry(QStringLiteral("TextFader8"));
    TextFader11 = entry(QStringLiteral("TextFader11"));
    TextFader12 = entry(QStringLiteral("TextFader12"));
    TextFader14 = entry(QStringLiteral("TextFader14"));
    TextFader15 = entry(QStringLiteral("TextFader15"));
    TextFader16 = entry(QStringLiteral("TextFader16"));
    TextFader17 = entry(QStringLiteral("TextFader17"));
    TextFader18 = entry(QStringLiteral("TextFader18"));
    TextFader21 = entry(QStringLiteral("TextFader21"));
}

// The greeting, the course prompt, the options row and the agents' entry over the advert.
void MenuPage::makeHeadings()
{
    TextFader26 = makeFader(this, {.name = QStringLiteral("TextFader26"),
                                   .geometry = {64, 0, 225, 43},
                                   .lines = {QStringLiteral("Welcome")},
                                   .fontFamily = QStringLiteral("Arial Narrow"),
                                   .fontPixels = 24,
                                   .fontColor = Palette::maroon,
                                   .lineDelay = 3000});
    TextFader3 = makeFader(this, {.name = QStringLiteral("TextFader3"),
                                  .geometry = {64, 33, 586, 43},
                                  .lines = {QStringLiteral("Choose a course to begin")},
                                  .fontFamily = QStringLiteral("Arial Narrow"),
                                  .fontPixels = 24,
                                  .fontColor = Palette::maroon,
                                  .lineDelay = 3000});
    TextFader22 = makeFader(this, {.name = QStringLiteral("TextFader22"),
                                   .geometry = {122, 186, 79, 29},
                                   .lines = {QStringLiteral("Options")},
                                   .fontPixels = 19,
                                   .fontColor = Palette::maroon,
                                   .handCursor = true,
                                   .lineDelay = 1000});
    m_entries.insert(TextFader22->objectName(), TextFader22);
    hover(TextFader22, Palette::maroon);
    // The mock test entry sits on the row of "Options" and looks like it.
    MockTestEntry = makeFader(this, {.name = QStringLiteral("MockTestEntry"),
                                     .geometry = {260, 186, 120, 29},
                                     .lines = {QStringLiteral("Mock Test")},
                                     .fontPixels = 19,
                                     .fontColor = Palette::maroon,
                                     .handCursor = true,
                                     .lineDelay = 1000});
    MockTestEntry->setAccessibleName(QStringLiteral("Mock Test"));
    m_entries.insert(MockTestEntry->objectName(), MockTestEntry);
    hover(MockTestEntry, Palette::maroon);
    MyProgressEntry = makeFader(this, {.name = QStringLiteral("MyProgressEntry"),
                                       .geometry = {410, 186, 140, 29},
                                       .lines = {QStringLiteral("My Progress")},
                                       .fontPixels = 19,
                                       .fontColor = Palette::maroon,
                                       .handCursor = true,
                                       .lineDelay = 1000});
    MyProgressEntry->setAccessibleName(QStringLiteral("My Progress"));
    m_entries.insert(MyProgressEntry->objectName(), MyProgressEntry);
    hover(MyProgressEntry, Palette::maroon);
    TextFader25 = makeFader(
        this, {.name = QStringLiteral("TextFader25"),
               .geometry = {73, 224, 577, 43},
               .lines = {QStringLiteral("Tarmika Agents"), QString(), QStringLiteral("Recommended Driving schools")},
               .fontFamily = QStringLiteral("Arial Narrow"),
               .fontPixels = 21,
               .fontColor = Palette::maroon,
               .handCursor = true,
               .lineDelay = 3000});
    connect(TextFader25, &TTextFader::OnClick, this, &MenuPage::TextFader25Click);
}

// The advert, the version, the progress loader and the chosen course's icons.
void MenuPage::makeCourseCorner()
{
    advert = new QLabel(this);
    advert->setObjectName(QStringLiteral("advert"));
    advert->setGeometry(72, 272, 560, 114);
    advert->setCursor(Qt::PointingHandCursor);
    // The placeholder stands until the first advert is shown; it is decoded with the menu.
    loadPictureLater(advert, [this] { advert->setPixmap(designPicture(QStringLiteral("advert_placeholder"))); });

    ver = new QLabel(QStringLiteral("1004"), this);
    ver->setObjectName(QStringLiteral("ver"));
    QFont verFont(QStringLiteral("Arial"));
    verFont.setPixelSize(13);
    ver->setFont(verFont);
    ver->setStyleSheet(QStringLiteral("color: white;"));
    ver->move(968, 684);
    adjustSizeOnFirstShow(ver);

    Button1 = new QPushButton(QStringLiteral("Login"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(469, 11, 66, 28);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &MenuPage::progressLoaderClicked);

    auto icon = [this](const QString &name, int left) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setGeometry(left, 2, 99, 74);
        label->hide();
        return label;
    };
    Image5 = icon(QStringLiteral("Image5"), 340);
    Image19 = icon(QStringLiteral("Image19"), 440);
    Image20 = icon(QStringLiteral("Image20"), 540);
    auto iconLabel = [this](const QString &name, const QString &text, int left) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->move(left, 76);
        label->hide();
        return label;
    };
    Label40 = iconLabel(QStringLiteral("Label40"), QStringLiteral("Light Motor Vehicle"), 340);
    Label41 = iconLabel(QStringLiteral("Label41"), QStringLiteral("Heavy Motor Vehicle"), 440);
    Label42 = iconLabel(QStringLiteral("Label42"), QStringLiteral("Motorcycle"), 540);
}

void MenuPage::hover(TTextFader *entry, const QColor &leaveColour)
{
    connect(entry, &TTextFader::OnMouseEnter, this, [](TTextFader *sender) { sender->SetFontColor(Palette::yellow); });
    connect(entry, &TTextFader::OnMouseLeave, this,
            [leaveColour](TTextFader *sender) { sender->SetFontColor(leaveColour); });
}

bool MenuPage::gate(bool capitalised) const
{
    if (m_state.learnerName == LearnerName::prompt) {
        Messages::show(
            QStringLiteral("Enter your name in the \u201CEnter your name\u201D field and hit enter or click the login "
                           "button, then select a course by clicking on one either Truck, Car or Bike icons"));
        return false;
    }
    if (m_state.RadioGroup1 == -1) {
        Messages::show(capitalised
                           ? QStringLiteral("Select a course by clicking on one either Truck, Car or Bike icons")
                           : QStringLiteral("select a course by clicking on one either Truck, Car or Bike icons"));
        return false;
    }
    return true;
}

void MenuPage::TextFader25Click()
{
    Messages::show(QStringLiteral("Still in Development"));
}

void MenuPage::greet(const QString &greeting)
{
    showGreeting(TextFader26, 24, greeting);
}

void MenuPage::showCourse(const QList<QPixmap> &icons, const QString &courseBanner, const QString &controlsBanner)
{
    QLabel *boxes[3] = {Image5, Image19, Image20};
    for (int i = 0; i < 3 && i < icons.size(); ++i)
        boxes[i]->setPixmap(icons.at(i));
    TextFader3->ClearLines();
    TextFader6->ClearLines();
    TextFader3->AddLine(courseBanner);
    TextFader6->AddLine(controlsBanner);
}

void MenuPage::loadProgressOnce()
{
    Button1->click();
    Button1->hide();
    // Hidden, the loader still held the keyboard focus as the default button, so every Enter on
    // the menu loaded the progress again; once hidden it takes no key at all.
    Button1->setDefault(false);
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->clearFocus();
}
