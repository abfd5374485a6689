#include "learner/coursepage.h"

#include "base/course.h"
#include "base/guard.h"
#include "base/messages.h"
#include "base/sessionstate.h"
#include "controls/clickarea.h"
#include "controls/palette.h"
#include "controls/textfader.h"
#include "learner/profile.h"

namespace {
constexpr int LightLeft = 228;
constexpr int HeavyLeft = 492;
constexpr int MotorcycleLeft = 752;
constexpr int TileTop = 304;
} // namespace

CoursePage::CoursePage(SessionState &state, QWidget *parent)
    : Page(QStringLiteral("Course"), QStringLiteral("Course"), QStringLiteral("Image30"), parent), m_state(state)
{
    TextFader1 = makeFader(this, {.name = QStringLiteral("TextFader1"),
                                  .geometry = {63, 0, 248, 41},
                                  .lines = {QStringLiteral("Welcome")},
                                  .fontFamily = QStringLiteral("Arial Narrow"),
                                  .fontPixels = 32,
                                  .fontColor = Palette::maroon});
    TextFader2 = makeFader(this, {.name = QStringLiteral("TextFader2"),
                                  .geometry = {63, 47, 276, 42},
                                  .lines = {QStringLiteral("which course is yours?")},
                                  .fontFamily = QStringLiteral("Arial Narrow"),
                                  .fontPixels = 32,
                                  .fontColor = Palette::maroon});

    auto caption = [this](const QString &name, const QString &text, int left) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->move(left, 285);
        adjustSizeOnFirstShow(label);
        return label;
    };
    Label15 = caption(QStringLiteral("Label15"), QStringLiteral("Light Motor Vehicle"), LightLeft);
    Label38 = caption(QStringLiteral("Label38"), QStringLiteral("Heavy Motor Vehicle"), HeavyLeft);
    Label39 = caption(QStringLiteral("Label39"), QStringLiteral("Motor Cycle"), MotorcycleLeft);

    // Stacked bottom to top: ticked, lit, dimmed.
    Image35 = tile(QStringLiteral("Image35"), QStringLiteral("tile_lv_tick"), LightLeft);
    Image31 = tile(QStringLiteral("Image31"), QStringLiteral("tile_lv_lit"), LightLeft);
    Image34 = tile(QStringLiteral("Image34"), QStringLiteral("tile_lv_dim"), LightLeft);
    Image37 = tile(QStringLiteral("Image37"), QStringLiteral("tile_hv_tick"), HeavyLeft);
    Image32 = tile(QStringLiteral("Image32"), QStringLiteral("tile_hv_lit"), HeavyLeft);
    Image36 = tile(QStringLiteral("Image36"), QStringLiteral("tile_hv_dim"), HeavyLeft);
    Image39 = tile(QStringLiteral("Image39"), QStringLiteral("tile_m_tick"), MotorcycleLeft);
    Image33 = tile(QStringLiteral("Image33"), QStringLiteral("tile_m_lit"), MotorcycleLeft);
    Image38 = tile(QStringLiteral("Image38"), QStringLiteral("tile_m_dim"), MotorcycleLeft);
    for (QLabel *ticked : {Image35, Image37, Image39}) {
        ticked->hide();
        ticked->setCursor(Qt::ArrowCursor);
    }
    connectTile(Image34, &CoursePage::Image34MouseEnter, nullptr, &CoursePage::Image34Click);
    connect(static_cast<ClickArea *>(Image34), &ClickArea::doubleClicked, this, &CoursePage::Image34DblClick);
    connectTile(Image36, &CoursePage::Image36MouseEnter, nullptr, nullptr);
    connectTile(Image38, &CoursePage::Image38MouseEnter, nullptr, nullptr);
    connectTile(Image31, nullptr, &CoursePage::Image31MouseLeave, &CoursePage::Image31Click);
    connectTile(Image32, nullptr, &CoursePage::Image32MouseLeave, &CoursePage::Image32Click);
    connectTile(Image33, nullptr, &CoursePage::Image33MouseLeave, &CoursePage::Image33Click);
    // A pointer that jumps onto a tile and off again in one move must not leave it lit.
    recheckHoverOnMoves(this);

    SpeedButton22 = new HotSpot(QStringLiteral("SpeedButton22"), {920, 642, 65, 34}, this);
    connect(SpeedButton22, &HotSpot::clicked, this, &CoursePage::SpeedButton22Click);
}

QLabel *CoursePage::tile(const QString &name, const QString &picture, int left)
{
    auto *label = new ClickArea(this);
    label->setObjectName(name);
    label->setGeometry(left, TileTop, 200, 205);
    // Decoded when the tile is first shown: the lit and ticked tiles wait for the pointer.
    loadPictureLater(label, [label, picture] { label->setPixmap(designPicture(picture)); });
    return label;
}

void CoursePage::connectTile(QLabel *tile, void (CoursePage::*onEnter)(), void (CoursePage::*onLeave)(),
                             void (CoursePage::*onClick)())
{
    auto *area = static_cast<ClickArea *>(tile);
    if (onEnter)
        connect(area, &ClickArea::entered, this, onEnter);
    if (onLeave)
        connect(area, &ClickArea::left, this, onLeave);
    if (onClick)
        connect(area, &ClickArea::clicked, this, onClick);
}

void CoursePage::Image34MouseEnter()
{
    Image34->hide();
    Image31->show();
}

void CoursePage::Image36MouseEnter()
{
    Image36->hide();
    Image32->show();
}

void CoursePage::Image38MouseEnter()
{
    Image38->hide();
    Image33->show();
}

void CoursePage::Image31MouseLeave()
{
    if (Image35->isHidden()) {
        Image34->show();
        Image31->hide();
    }
}

void CoursePage::Image32MouseLeave()
{
    if (Image37->isHidden()) {
        Image36->show();
        Image32->hide();
    }
}

void CoursePage::Image33MouseLeave()
{
    if (Image39->isHidden()) {
        Image38->show();
        Image33->hide();
    }
}

void CoursePage::Image31Click()
{
    for (QLabel *shown : {Image35, Image36, Image38})
        shown->show();
    for (QLabel *hidden : {Image31, Image34, Image37, Image39})
        hidden->hide();
    select(Course::indexOfCode(Course::light));
}

void CoursePage::Image32Click()
{
    for (QLabel *shown : {Image37, Image38, Image34})
        shown->show();
    for (QLabel *hidden : {Image31, Image32, Image36, Image35, Image39})
        hidden->hide();
    select(Course::indexOfCode(Course::heavy));
}

void CoursePage::Image33Click()
{
    for (QLabel *shown : {Image39, Image34, Image36})
        shown->show();
    for (QLabel *hidden : {Image31, Image35, Image37, Image33, Image38})
        hidden->hide();
    select(Course::indexOfCode(Course::motorcycle));
}

void CoursePage::Image34Click()
{
    // The dimmed light tile is clicked only when the pointer did not enter it first: it shows the
    // tick but selects nothing.
    Image31->hide();
    Image34->hide();
    Image35->show();
    Image37->hide();
    Image39->hide();
}

void CoursePage::Image34DblClick()
{
    Image34Click();
}

void CoursePage::select(int index)
{
    m_state.RadioGroup1 = index;
    emit courseSelected(index);
}

void CoursePage::SpeedButton22Click()
{
    const std::pair<QLabel *, QString> ticks[] = {
        {Image35, Course::light}, {Image37, Course::heavy}, {Image39, Course::motorcycle}};
    bool any = false;
    for (const auto &[ticked, code] : ticks) {
        if (ticked->isHidden())
            continue;
        any = true;
        confirm(code);
    }
    if (!any)
        Messages::show(QStringLiteral(
            "Select a Course you want to study for by clicking on one of the images (car,truck or bike)"));
}

void CoursePage::confirm(const QString &code)
{
    emit courseConfirmed();
    m_state.ctype = code;
    guarded([&] {
        Profile::setCourse(m_state.Saver, code);
        Profile::write(m_state.learnerName, m_state.Saver);
    });
}

void CoursePage::greet(const QString &greeting)
{
    showGreeting(TextFader1, 32, greeting);
}
