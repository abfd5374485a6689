#include "app/tform2.h"

#include "app/adverts.h"
#include "base/datapaths.h"
#include "base/guard.h"
#include "base/linelistfile.h"
#include "base/messages.h"
#include "base/page.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "testing/questionbank.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

QTimer *makeTimer(QObject *owner, const QString &name, int interval, bool singleShot = false)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    Messages::setParentWindow(this);
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

    auto page = [this](const QString &name, const QString &caption, const QString &background) {
        return new Page(name, caption, background, PageControl1);
    };
    // The pages in the order of the page control.
    MotorcycleT = page(QStringLiteral("MotorcycleT"), QStringLiteral("Motorcycle"), QStringLiteral("Image2"));
    Signs = page(QStringLiteral("Signs"), QStringLiteral("Signs"), QStringLiteral("Image1"));
    LearnersT = page(QStringLiteral("LearnersT"), QStringLiteral("Learners"), QStringLiteral("Image4"));
    MenuT = page(QStringLiteral("MenuT"), QStringLiteral("Main Menu"), QStringLiteral("Image17"));
    QuestionT = page(QStringLiteral("QuestionT"), QStringLiteral("Question"), QStringLiteral("Image10"));
    LightVT = page(QStringLiteral("LightVT"), QStringLiteral("Light Vehicle "), QStringLiteral("Image6"));
    Cardinal = page(QStringLiteral("Cardinal"), QStringLiteral("Cardinal"), QStringLiteral("Image7"));
    Driving = page(QStringLiteral("Driving"), QStringLiteral("Driving"), QStringLiteral("Image8"));
    Responsibilities = page(QStringLiteral("Responsibilities"), QStringLiteral("Responsibilities"), QStringLiteral("Image9"));
    Driverules = page(QStringLiteral("Driverules"), QStringLiteral("Driverules"), QStringLiteral("Image12"));
    exterior = page(QStringLiteral("exterior"), QStringLiteral("exterior"), QStringLiteral("Image13"));
    heavyVT = page(QStringLiteral("heavyVT"), QStringLiteral("heavyVT"), QStringLiteral("Image16"));
    Login = new LoginPage(m_state, PageControl1);
    Course = page(QStringLiteral("Course"), QStringLiteral("Course"), QStringLiteral("Image30"));
    for (QWidget *p : {static_cast<QWidget *>(MotorcycleT), static_cast<QWidget *>(Signs), static_cast<QWidget *>(LearnersT),
                       static_cast<QWidget *>(MenuT), static_cast<QWidget *>(QuestionT), static_cast<QWidget *>(LightVT),
                       static_cast<QWidget *>(Cardinal), static_cast<QWidget *>(Driving), static_cast<QWidget *>(Responsibilities),
                       static_cast<QWidget *>(Driverules), static_cast<QWidget *>(exterior), static_cast<QWidget *>(heavyVT),
                       static_cast<QWidget *>(Login), static_cast<QWidget *>(Course)})
        PageControl1->addWidget(p);

    advert = new QLabel(MenuT);
    advert->setObjectName(QStringLiteral("advert"));
    advert->setGeometry(72, 272, 560, 114);
    advert->setCursor(Qt::PointingHandCursor);
    advert->setPixmap(designPicture(QStringLiteral("advert_placeholder")));
    m_adverts = std::make_unique<Adverts>(advert);

    Panel2 = new QWidget(MenuT);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(72, 257, 578, 320);
    Panel2->setAutoFillBackground(true);
    Panel2->hide();
    updatestatus = makeFader(Panel2, {.name = QStringLiteral("updatestatus"), .geometry = {20, 90, 391, 69},
                                      .lines = {QStringLiteral("Checking for updates")}, .fontPixels = 21,
                                      .fontColor = QColor(128, 0, 0), .transparent = false});
    updatestatus->hide();
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setGeometry(20, 80, 540, 220);
    Memo1->hide();

    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 5000);
    qdowload = makeTimer(this, QStringLiteral("qdowload"), 1000);
    dlq = makeTimer(this, QStringLiteral("dlq"), 200);
    uptime1 = makeTimer(this, QStringLiteral("uptime1"), 5000);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1);
    connect(Timer2, &QTimer::timeout, this, &TForm2::Timer2Timer);
    Timer2->start();

    FormCreate();
}

TForm2::~TForm2()
{
    Messages::setParentWindow(nullptr);
}

void TForm2::showPage(QWidget *page)
{
    PageControl1->setCurrentWidget(page);
}

void TForm2::openQuestionDownload(bool deleteMaxCount)
{
    Memo1->hide();
    Panel2->show();
    updatestatus->show();
    updatestatus->AddLine(QStringLiteral("Checking for Question updates..."));
    if (deleteMaxCount) {
        const QString maxCount = DataPaths::resolve(DataPaths::maxCountFile);
        if (QFile::exists(maxCount))
            QFile::remove(maxCount);
    }
    qdowload->start();
}

void TForm2::FormCreate()
{
    // 1. The question bank: a missing or empty bank is fetched from the update server.
    guarded([&] {
        if (!QFileInfo::exists(DataPaths::resolve(DataPaths::questionsDir))) {
            QDir().mkdir(DataPaths::questionsDir);
            openQuestionDownload(false);
        } else if (QuestionBank::CountFiles() == 0) {
            openQuestionDownload(true);
        }
    });

    // 2. The installed version. A missing "doc" folder is created first, and a version file that
    //    holds no line is treated as a missing one, so the caption always shows a version.
    guarded([&] {
        v1.clear();
        const QString versionFile = DataPaths::resolve(DataPaths::versionFile);
        if (QFileInfo::exists(versionFile))
            v1 = LineListFile::read(versionFile);
        if (v1.isEmpty()) {
            v1 = {QStringLiteral("1001")};
            if (!QFileInfo::exists(DataPaths::resolve(DataPaths::docDir)))
                QDir().mkdir(DataPaths::docDir);
            LineListFile::write(DataPaths::resolve(DataPaths::versionFile), v1);
        }
    });
    setWindowTitle(QStringLiteral("Tarmika V ") + v1.value(0, QStringLiteral("1001")));

    // 3. No question on screen yet.
    m_state.a = m_state.b = m_state.c = m_state.d = 0;

    // 4. The first key typed into the name field replaces the prompt.
    Login->selectPrompt();

    // 5.
    showPage(Login);
}

void TForm2::Timer2Timer()
{
    m_adverts->Timer2Timer();
}
