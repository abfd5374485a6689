#include "app/tform2.h"

#include "app/adverts.h"
#include "app/menupage.h"
#include "base/course.h"
#include "base/datapaths.h"
#include "base/guard.h"
#include "base/messages.h"
#include "controls/datapicture.h"
#include "base/versionfile.h"
#include "controls/messagebox.h"
#include "controls/page.h"
#include "controls/textfader.h"
#include "learner/coursepage.h"
#include "learner/loginpage.h"
#include "study/controlspage.h"
#include "study/documentchoice.h"
#include "study/documentviewer.h"
#include "study/rulepage.h"
#include "study/signpicturetable.h"
#include "study/signspage.h"
#include "study/studywidgets.h"
#include "testing/mocksettings.h"
#include "testing/mocktestpage.h"
#include "testing/myprogresspage.h"
#include "testing/progresschart.h"
#include "testing/questionbank.h"
#include "testing/questionpage.h"
#include "update/updatepanel.h"
#include "update/updateserver.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <type_traits>

namespace {

QTimer *makeTimer(QObject *owner, const QString &name, int interval, bool singleShot = false)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

// The progress chart's frame is drawn in the menu's background and reaches past the options
// panel and the introduction viewer. While either is open, a plain white cover lies over the
// whole chart beneath them, so no frame line or gauge label shows around their edges.
class ChartCover : public QObject {
public:
    ChartCover(QWidget *menu, QList<QWidget *> covering) : QObject(menu), m_menu(menu), m_covering(std::move(covering))
    {
        m_cover = new QWidget(menu);
        m_cover->setObjectName(QStringLiteral("chartCover"));
        m_cover->setGeometry(62, 390, 590, 220);
        m_cover->setAutoFillBackground(true);
        QPalette pal = m_cover->palette();
        pal.setColor(QPalette::Window, Qt::white);
        m_cover->setPalette(pal);
        m_cover->stackUnder(m_covering.first());
        m_cover->hide();
        for (QWidget *widget : std::as_const(m_covering))
            widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
            const bool open = std::any_of(m_covering.begin(), m_covering.end(),
                                          [this](QWidget *widget) { return widget->isVisibleTo(m_menu); });
            m_cover->setVisible(open);
        }
        return false;
    }

private:
    QWidget *m_menu;
    QList<QWidget *> m_covering;
    QWidget *m_cover;
};

} // namespace

TForm2::TForm2(QWidget *parent) : TForm2(defaultServer(), parent) {}

TForm2::TForm2(const UpdateServer &server, QWidget *parent) : QWidget(parent)
{
    // The sign-in page's background is the one picture seen at start-up: it is decoded while the
    // pages are built.
    prefetchDesignPicture(QStringLiteral("bg_Login"));
    setObjectName(QStringLiteral("Form2"));
    presentMessagesInBoxes(this);
    resize(ClientWidth, ClientHeight);
    // The window may shrink but never grow beyond its design size.
    setMaximumSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, ClientWidth, ClientHeight);
    PageControl1->setContentsMargins(4, 4, 4, 24);
    PageControl1->setFocusPolicy(Qt::NoFocus);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 5000);
    qdowload = makeTimer(this, QStringLiteral("qdowload"), 1000);
    dlq = makeTimer(this, QStringLiteral("dlq"), 200);
    uptime1 = makeTimer(this, QStringLiteral("uptime1"), 5000);
    arrangePages(server);
    connect(Timer2, &QTimer::timeout, this, &TForm2::Timer2Timer);
    Timer2->start();

    FormCreate();
    // A placeholder made current some other way than through its slot builds its page at once.
    connect(PageControl1, &QStackedWidget::currentChanged, this, &TForm2::buildPlaceholderShown);
}

template <class P, class Make, class Wire>
void TForm2::arrange(OnDemand<P> &slot, const QString &name, Make make, Wire wire)
{
    auto *placeholder = new QWidget(PageControl1);
    placeholder->setObjectName(name);
    placeholder->setGeometry(PageControl1->contentsRect());
    PageControl1->addWidget(placeholder);
    slot.m_name = name;
    slot.m_make = [this, placeholder, make] {
        m_placeholders.remove(placeholder);
        P *page = make();
        Q_ASSERT(page->objectName() == placeholder->objectName());
        // The page takes the placeholder's place in the order and on screen, at once: a page built
        // while the window is shown is drawn before the page control lays it out.
        page->setGeometry(placeholder->geometry());
        PageControl1->insertWidget(PageControl1->indexOf(placeholder), page);
        if (PageControl1->currentWidget() == placeholder)
            PageControl1->setCurrentWidget(page);
        PageControl1->removeWidget(placeholder);
        delete placeholder;
        return page;
    };
    slot.m_wire = wire;
    m_placeholders.insert(placeholder, [&slot] { slot.get(); });
}

void TForm2::buildPlaceholderShown(int index)
{
    if (const std::function<void()> build = m_placeholders.value(PageControl1->widget(index)))
        build();
}

void TForm2::showMenu()
{
    showPage(MenuT);
}

void TForm2::arrangePages(const UpdateServer &server)
{
    const auto backToMenu = [this](auto *page) {
        connect(page, &std::remove_reference_t<decltype(*page)>::menuRequested, this, &TForm2::showMenu);
    };
    const auto rulePage = [this](RulePage::Kind kind) {
        return [this, kind] { return new RulePage(kind, PageControl1); };
    };
    const auto canStudy = [this](const StudyLink &link) { return rulePageOf(link, nullptr) != nullptr; };

    // The pages in the order of the page control.
    arrange(
        MotorcycleT, QStringLiteral("MotorcycleT"),
        [this] { return new ControlsPage(ControlsPage::Kind::MotorcycleT, PageControl1); }, backToMenu);
    arrange(
        Signs, QStringLiteral("Signs"), [this] { return new SignsPage(PageControl1); }, backToMenu);
    arrange(LearnersT, QStringLiteral("LearnersT"), rulePage(RulePage::Kind::LearnersT), backToMenu);
    arrangeMenu(server);
    arrange(
        QuestionT, QStringLiteral("QuestionT"),
        [this] {
            // The question page scores into the progress chart, which is built with the menu.
            return new QuestionPage(m_state, *chart.get(), PageControl1);
        },
        backToMenu);
    arrange(
        LightVT, QStringLiteral("LightVT"),
        [this] { return new ControlsPage(ControlsPage::Kind::LightVT, PageControl1); }, backToMenu);
    arrange(Cardinal, QStringLiteral("Cardinal"), rulePage(RulePage::Kind::Cardinal), backToMenu);
    arrange(Driving, QStringLiteral("Driving"), rulePage(RulePage::Kind::Driving), backToMenu);
    arrange(Responsibilities, QStringLiteral("Responsibilities"), rulePage(RulePage::Kind::Responsibilities),
            backToMenu);
    arrange(Driverules, QStringLiteral("Driverules"), rulePage(RulePage::Kind::Driverules), backToMenu);
    arrange(
        exterior, QStringLiteral("exterior"), [this] { return new ExteriorPage(PageControl1); }, backToMenu);
    arrange(
        heavyVT, QStringLiteral("heavyVT"),
        [this] {
            return new Page(QStringLiteral("heavyVT"), QStringLiteral("heavyVT"), QStringLiteral("Image16"),
                            PageControl1);
        },
        [](Page *) {});
    arrange(
        Login, QStringLiteral("Login"), [this] { return new LoginPage(m_state, PageControl1); },
        [this](LoginPage *login) { wireLogin(login); });
    arrange(
        Course, QStringLiteral("Course"), [this] { return new CoursePage(m_state, PageControl1); },
        [this](CoursePage *course) {
            connect(course, &CoursePage::courseSelected, this, &TForm2::courseSelected);
            connect(course, &CoursePage::courseConfirmed, this, &TForm2::courseConfirmed);
        });
    // After the fourteen pages of the design.
    arrange(
        MockT, QStringLiteral("MockT"), [this] { return new MockTestPage(m_state, PageControl1); },
        [this, backToMenu, canStudy](MockTestPage *mock) {
            backToMenu(mock);
            connect(mock, &MockTestPage::studyRequested, this, &TForm2::openStudy);
            mock->setStudyCheck(canStudy);
        });
    arrange(
        ProgressT, QStringLiteral("ProgressT"), [this] { return new MyProgressPage(m_state, PageControl1); },
        [this, backToMenu, canStudy](MyProgressPage *progress) {
            backToMenu(progress);
            connect(progress, &MyProgressPage::studyRequested, this, &TForm2::openStudy);
            progress->setStudyCheck(canStudy);
        });
}

void TForm2::wireLogin(LoginPage *login)
{
    // A learner's progress file lies in "doc" beside the program's own .lrn files; a name that
    // would overwrite one of them is refused.
    login->setReservedNames([](const QString &name) {
        if (name.compare(QStringLiteral("maxcount"), Qt::CaseInsensitive) == 0 ||
            name.compare(mockSettingsStem, Qt::CaseInsensitive) == 0)
            return true;
        const QStringList categories = SignPictureTable::categories();
        return std::any_of(categories.begin(), categories.end(),
                           [&](const QString &category) { return category.compare(name, Qt::CaseInsensitive) == 0; });
    });
    connect(login, &LoginPage::learnersQuestionsRequested, this, &TForm2::TextFader11Click);
    connect(login, &LoginPage::signedIn, this, &TForm2::greet);
}

void TForm2::arrangeMenu(const UpdateServer &server)
{
    arrange(
        MenuT, QStringLiteral("MenuT"), [this] { return new MenuPage(m_state, PageControl1); },
        [this, server](MenuPage *menu) { buildMenu(menu, server); });
    // The menu's own parts are built with it.
    const auto withMenu = [this](auto &part) {
        part.m_make = [this, &part] {
            MenuT.get();
            return part.m_page;
        };
    };
    withMenu(chart);
    withMenu(RichEdit2);
    withMenu(Panel2);
}

void TForm2::buildMenu(MenuPage *menu, const UpdateServer &server)
{
    auto *progress = new ProgressChart(m_state, Timer1, menu);
    chart.m_page = progress;
    m_adverts = std::make_unique<Adverts>(menu->advertBox());
    if (m_advertDue)
        m_adverts->Timer2Timer();
    // The document viewer and the options panel cover the advert and the progress chart.
    auto *introduction = new DocumentViewer(QStringLiteral("RichEdit2"), {72, 273, 577, 324}, menu);
    RichEdit2.m_page = introduction;
    introduction->hide();
    // The options panel lies above the introduction viewer, the advert and the progress chart.
    auto *panel = new UpdatePanel(qdowload, dlq, uptime1, server, menu);
    Panel2.m_page = panel;
    panel->v1 = m_installedVersion;
    panel->move(72, 257);
    connect(panel, &UpdatePanel::closeProgramRequested, this, &QWidget::close);
    new ChartCover(menu, {introduction, panel});
    connect(menu, &MenuPage::progressLoaderClicked, progress, &ProgressChart::Button1Click);

    const std::pair<const char *, void (TForm2::*)()> entries[] = {
        {"TextFader4", &TForm2::TextFader4Click},   {"TextFader6", &TForm2::TextFader6Click},
        {"TextFader7", &TForm2::TextFader7Click},   {"TextFader8", &TForm2::TextFader8Click},
        {"TextFader9", &TForm2::TextFader9Click},   {"TextFader11", &TForm2::TextFader11Click},
        {"TextFader12", &TForm2::TextFader12Click}, {"TextFader14", &TForm2::TextFader14Click},
        {"TextFader15", &TForm2::TextFader15Click}, {"TextFader16", &TForm2::TextFader16Click},
        {"TextFader17", &TForm2::TextFader17Click}, {"TextFader18", &TForm2::TextFader18Click},
        {"TextFader21", &TForm2::TextFader21Click}, {"TextFader22", &TForm2::TextFader22Click},
        {"MockTestEntry", &TForm2::MockTestClick},  {"MyProgressEntry", &TForm2::MyProgressClick},
    };
    for (const auto &[name, handler] : entries)
        connect(menu->entry(QString::fromLatin1(name)), &TTextFader::OnClick, this, handler);
}

void TForm2::greet(const QString &name)
{
    const QString greeting = QStringLiteral("Welcome ") + name;
    Course->greet(greeting);
    MenuT->greet(greeting);
    showPage(Course);
}

void TForm2::courseSelected(int index)
{
    static const char *const banners[3][2] = {
        {"Heavy Motor Vehicle Course", "Heavy Vehicle Controls"},
        {"Light Motor Vehicle Course", "Light Vehicle Controls"},
        {"Motorcycle Course", "Motorcycle Controls"},
    };
    if (index < 0 || index > 2)
        return;
    guarded([&] {
        const QStringList icons = Course::iconPictures(index);
        QList<QPixmap> pictures;
        for (int i = 0; i < 3; ++i) {
            const QString path = DataPaths::image(icons.at(i));
            const QPixmap picture = dataPicture(path);
            if (picture.isNull())
                throw DataError(QStringLiteral("Cannot open the picture \"%1\".").arg(path));
            pictures.append(picture);
        }
        MenuT->showCourse(pictures, QString::fromLatin1(banners[index][0]), QString::fromLatin1(banners[index][1]));
    });
}

void TForm2::courseConfirmed()
{
    showPage(MenuT);
    MenuT->loadProgressOnce();
}

void TForm2::TextFader11Click()
{
    // A damaged question file was reported: the learner stays on the main menu.
    if (!QuestionT->openPractice()) {
        showPage(MenuT);
        return;
    }
    showPage(QuestionT);
    hideDocumentViewer();
}

void TForm2::TextFader12Click()
{
    if (!MenuT->gate())
        return;
    if (!QuestionT->openTest()) {
        showPage(MenuT);
        return;
    }
    showPage(QuestionT);
    hideDocumentViewer();
}

void TForm2::MockTestClick()
{
    if (!MenuT->gate() || !MockT->start())
        return;
    showPage(MockT);
    hideDocumentViewer();
}

void TForm2::MyProgressClick()
{
    if (!MenuT->gate())
        return;
    ProgressT->open();
    showPage(ProgressT);
    hideDocumentViewer();
}

RulePage *TForm2::rulePageOf(const StudyLink &link, int *row) const
{
    for (const OnDemand<RulePage> *slot : {&Cardinal, &Driving, &Responsibilities, &Driverules, &LearnersT}) {
        // Only the page the link names is built to look for the topic.
        if (slot->objectName() != link.page)
            continue;
        RulePage *page = *slot;
        // Some titles end in a blank; the link names the topic without it.
        const int found = page->topicRow(link.topic);
        if (found >= 0) {
            if (row)
                *row = found;
            return page;
        }
    }
    return nullptr;
}

void TForm2::openStudy(const StudyLink &link)
{
    int row = -1;
    RulePage *page = rulePageOf(link, &row);
    if (!page)
        return;
    openRulePage(page);
    page->chooseTopic(row);
}

void TForm2::TextFader9Click()
{
    close();
}

void TForm2::TextFader22Click()
{
    Panel2->show();
}

void TForm2::TextFader4Click()
{
    if (!MenuT->gate())
        return;
    showPage(Signs);
    hideDocumentViewer();
    Signs->open();
}

void TForm2::TextFader6Click()
{
    if (!MenuT->gate())
        return;
    showPage(ControlsPage::kindForCourse(m_state.RadioGroup1) == ControlsPage::Kind::MotorcycleT
                 ? static_cast<QWidget *>(MotorcycleT)
                 : static_cast<QWidget *>(LightVT));
    hideDocumentViewer();
}

void TForm2::openRulePage(RulePage *page)
{
    page->open();
    showPage(page);
    hideDocumentViewer();
}

void TForm2::TextFader7Click()
{
    if (MenuT->gate(true))
        openRulePage(Driving);
}

void TForm2::TextFader14Click()
{
    openRulePage(LearnersT);
}

void TForm2::TextFader16Click()
{
    if (MenuT->gate())
        openRulePage(Cardinal);
}

void TForm2::TextFader17Click()
{
    if (MenuT->gate())
        openRulePage(Driverules);
}

void TForm2::TextFader18Click()
{
    if (MenuT->gate())
        openRulePage(Responsibilities);
}

void TForm2::TextFader15Click()
{
    openIntroduction(RichEdit2);
}

void TForm2::TextFader8Click()
{
    if (MenuT->gate() && exterior->openExterior(m_state.RadioGroup1))
        showPage(exterior);
}

void TForm2::TextFader21Click()
{
    if (MenuT->gate() && exterior->openInterior(m_state.RadioGroup1))
        showPage(exterior);
}

void TForm2::hideDocumentViewer()
{
    RichEdit2->hide();
}

TForm2::~TForm2()
{
    Messages::setPresenter({});
}

void TForm2::closeEvent(QCloseEvent *event)
{
    // Whatever the update panel is fetching ends here and changes nothing; a panel never built
    // fetches nothing.
    if (Panel2.isBuilt())
        Panel2->abandon();
    QWidget::closeEvent(event);
}

void TForm2::showPage(QWidget *page)
{
    PageControl1->setCurrentWidget(page);
}

void TForm2::FormCreate()
{
    // 1. The question bank: a missing or empty bank is fetched from the update server.
    guarded([&] {
        if (!QFileInfo::exists(DataPaths::resolve(DataPaths::questionsDir))) {
            QDir().mkdir(DataPaths::questionsDir);
            Panel2->openForQuestionDownload(false);
        } else if (!QuestionBank::HasFiles()) {
            Panel2->openForQuestionDownload(true);
        }
    });

    // 2. The installed version; the caption always shows one.
    guarded([&] { VersionFile::loadInstalled(m_installedVersion); });
    if (Panel2.isBuilt())
        Panel2->v1 = m_installedVersion; // opened above for the question download
    setWindowTitle(VersionFile::caption(m_installedVersion));

    // 3. No question on screen yet.
    m_state.a = m_state.b = m_state.c = m_state.d = 0;

    // 4. The first key typed into the name field replaces the prompt.
    Login->selectPrompt();

    // 5.
    showPage(Login);
}

void TForm2::Timer2Timer()
{
    // No advert is seen before the menu is built; the menu then starts with one.
    if (!m_adverts) {
        m_advertDue = true;
        return;
    }
    m_adverts->Timer2Timer();
}
