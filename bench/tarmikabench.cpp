// Measures the program's costs that a learner feels, each against a reference measured in the same
// run, and prints one table. `--quick` runs every case once or briefly (the CI smoke run); the
// figures of a quick run mean nothing, only that every case still runs.

#include "app/menupage.h"
#include "app/tform2.h"
#include "base/linelistfile.h"
#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "base/sessionstate.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "study/signspage.h"
#include "study/studywidgets.h"
#include "testing/mocktest.h"
#include "testing/mocktestpage.h"
#include "testing/progresschart.h"
#include "testing/questionbank.h"
#include "testing/questionpage.h"
#include "tests/support/ftpserverfixture.h"
#include "update/ftpclient.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

bool quick = false;

struct Row {
    QString name;
    QString figure;
    QString reference;
    QString ratio;
    QString goal;
    std::optional<bool> met; // none for a row that only explains another
};
std::vector<Row> rows;

void addRow(const QString &name, const QString &figure, const QString &reference, const QString &ratio,
            const QString &goal, std::optional<bool> met)
{
    rows.push_back({name, figure, reference, ratio, goal, met});
    std::printf("  %s: %s (reference %s) ratio %s, goal %s: %s\n", qPrintable(name), qPrintable(figure),
                qPrintable(reference), qPrintable(ratio), qPrintable(goal),
                !met   ? "-"
                : *met ? "met"
                       : "MISSED");
    std::fflush(stdout);
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : 2) + QStringLiteral(" ms");
}
QString times(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral("x");
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

// Median milliseconds of `count` calls, each timed on its own.
double medianMs(int count, const std::function<void(int)> &call)
{
    std::vector<double> samples;
    samples.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        call(i);
        samples.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory of this process in kilobytes.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void runEventLoop(int msecs)
{
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
}

// A copy of the built data directory (content and generated pictures, not the programs), so that
// nothing the cases write lands in the build tree. It is the working directory while it lives.
class DataCopy {
public:
    DataCopy() : m_previous(QDir::currentPath())
    {
        if (!m_dir.isValid())
            qFatal("cannot create a temporary directory");
        const QDir source(QStringLiteral(TARMIKA_DATA_DIR));
        for (const QString &folder :
             {QStringLiteral("Questions"), QStringLiteral("doc"), QStringLiteral("images"), QStringLiteral("adds")}) {
            QDirIterator it(source.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString from = it.next();
                const QString to = m_dir.filePath(source.relativeFilePath(from));
                QDir().mkpath(QFileInfo(to).path());
                if (!QFile::copy(from, to))
                    qFatal("cannot copy %s", qPrintable(from));
            }
        }
        if (!QFileInfo::exists(m_dir.filePath(QStringLiteral("Questions/1.lrn"))))
            qFatal("the data directory %s holds no question bank; build the content first", TARMIKA_DATA_DIR);
        // The folders of an installed data directory were last changed long before the program
        // starts, not a moment ago as a fresh copy's were; the program keeps the file count of a
        // folder changed in the last seconds no longer than one call.
        const qint64 anHourAgo = QDateTime::currentSecsSinceEpoch() - 3600;
        const timespec old[2] = {{time_t(anHourAgo), 0}, {time_t(anHourAgo), 0}};
        for (const QString &folder :
             {QStringLiteral("Questions"), QStringLiteral("doc"), QStringLiteral("images"), QStringLiteral("adds")}) {
            if (utimensat(AT_FDCWD, QFile::encodeName(m_dir.filePath(folder)).constData(), old, 0) != 0)
                qFatal("cannot set the time of the copied %s folder", qPrintable(folder));
        }
        QDir::setCurrent(m_dir.path());
    }
    ~DataCopy() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// ---- start-up, in a child process so that the first construction and the peak memory are real

int startupChild(const QString &kind, const QString &dataDir, int argc, char **argv)
{
    QApplication application(argc, argv);
    QDir::setCurrent(dataDir);
    MessageRecorder recorder;
    QElapsedTimer clock;
    clock.start();
    QPixmap shot;
    if (kind == u"form" || kind == u"form-again") {
        if (kind == u"form-again") {
            // One window built, painted and closed first: what is left is the window's own work,
            // without the process's first use of fonts, styles, image decoders and fresh memory.
            {
                TForm2 first;
                shot = first.grab();
            }
            clock.restart();
        }
        TForm2 form;
        shot = form.grab();
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        if (form.activePage() != form.Login)
            qFatal("the sign-in page is not the first page");
        std::printf("RESULT %f %ld\n", elapsed, peakKb());
    } else {
        QMainWindow window;
        window.resize(TForm2::ClientWidth, TForm2::ClientHeight);
        auto *label = new QLabel(QStringLiteral("Enter your name here"));
        window.setCentralWidget(label);
        shot = window.grab();
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        std::printf("RESULT %f %ld\n", elapsed, peakKb());
    }
    if (shot.isNull())
        qFatal("nothing was painted");
    return recorder.all().isEmpty() ? 0 : 2;
}

struct ChildResult {
    double ms;
    long peakKb;
};

ChildResult runStartupChild(const QString &kind, const QString &dataDir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup-child"), kind, dataDir});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        qFatal("the start-up child (%s) failed", qPrintable(kind));
    const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 3 || parts.at(0) != "RESULT")
        qFatal("the start-up child (%s) said nothing useful", qPrintable(kind));
    return {parts.at(1).toDouble(), parts.at(2).toLong()};
}

void benchStartup()
{
    DataCopy data;
    const int runs = quick ? 1 : 15;
    std::vector<double> form, bare, again;
    long formPeak = 0, barePeak = 0;
    for (int i = 0; i < runs; ++i) {
        const ChildResult f = runStartupChild(QStringLiteral("form"), data.path());
        const ChildResult b = runStartupChild(QStringLiteral("bare"), data.path());
        again.push_back(runStartupChild(QStringLiteral("form-again"), data.path()).ms);
        form.push_back(f.ms);
        bare.push_back(b.ms);
        formPeak = std::max(formPeak, f.peakKb);
        barePeak = std::max(barePeak, b.peakKb);
    }
    const double ratio = median(form) / median(bare);
    addRow(QStringLiteral("start-up: TForm2 built and sign-in page painted"), ms(median(form)),
           QStringLiteral("bare QMainWindow with a label ") + ms(median(bare)), times(ratio), QStringLiteral("<= 1.5x"),
           ratio <= 1.5);
    addRow(QStringLiteral("start-up, a second window in the same process (first-use costs already paid)"),
           ms(median(again)), QStringLiteral("bare QMainWindow with a label ") + ms(median(bare)),
           times(median(again) / median(bare)), QStringLiteral("-"), std::nullopt);
    const double peakMb = double(formPeak) / 1024;
    addRow(QStringLiteral("start-up: peak memory (VmHWM)"), QString::number(peakMb, 'f', 1) + QStringLiteral(" MB"),
           QStringLiteral("bare QMainWindow ") + QString::number(double(barePeak) / 1024, 'f', 1) +
               QStringLiteral(" MB"),
           times(double(formPeak) / double(barePeak)), QStringLiteral("<= 80 MB"), peakMb <= 80);
}

// ---- NEXT on the question page

void benchNext()
{
    DataCopy data;
    MessageRecorder recorder;
    SessionState state;
    QWidget menu;
    QTimer gaugeTimer;
    ProgressChart chart(state, &gaugeTimer, &menu);
    QuestionPage page(state, chart);
    page.show();
    if (!QTest::qWaitForWindowExposed(&page))
        qFatal("the question page was not shown");
    state.learnerName = QStringLiteral("Bench");
    state.ctype = QStringLiteral("lv");
    state.RadioGroup1 = 1;
    state.Saver = {state.learnerName, QStringLiteral("1"), state.ctype};
    LineListFile::write(QStringLiteral("Bench.sav"), state.Saver);
    if (!page.openPractice())
        qFatal("the practice questions did not open: %s", qPrintable(recorder.all().join(u'|')));

    // The questions of the light-vehicle walk below its first skipped range, so every NEXT shows
    // a question of the sample bank with its picture.
    const int count = quick ? 3 : 400;
    const auto questionOf = [](int i) { return 1 + i % 100; };
    // Each NEXT is followed by one save of the same profile, so that the two are timed under the
    // same disk conditions: a save's flush to disk varies far more than the rest of NEXT.
    std::vector<double> nexts, saves, rests;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        state.Qnumber = questionOf(i) - 1;
        page.SpeedButton2Click();
        const double next = double(clock.nsecsElapsed()) / 1e6;
        clock.restart();
        LineListFile::write(QStringLiteral("Bench.sav"), state.Saver);
        const double save = double(clock.nsecsElapsed()) / 1e6;
        nexts.push_back(next);
        saves.push_back(save);
        rests.push_back(next - save);
    }
    if (state.Qnumber != questionOf(count - 1) || !recorder.all().isEmpty())
        qFatal("NEXT did not show its question: %s", qPrintable(recorder.all().join(u'|')));
    const double next = median(nexts), save = median(saves), rest = median(rests);
    const double read = medianMs(count, [&](int i) { (void)QuestionBank::load(questionOf(i)); });
    addRow(QStringLiteral("NEXT on the question page"), ms(next),
           QStringLiteral("reading the question file ") + ms(read), times(next / read),
           QStringLiteral("< 1 ms + one atomic save (") + ms(save) + u')', next < 1 + save);
    addRow(QStringLiteral("NEXT less the profile save beside it"), ms(rest),
           QStringLiteral("one atomic profile save ") + ms(save), QStringLiteral("-"), QStringLiteral("< 1 ms"),
           rest < 1);
}

// ---- one fade step of a main-menu entry

void benchFadeStep()
{
    SessionState state;
    MenuPage menu(state);
    menu.show();
    if (!QTest::qWaitForWindowExposed(&menu))
        qFatal("the main menu was not shown");
    TTextFader *fader = menu.entry(QStringLiteral("TextFader4"));
    if (!fader || fader->size() != QSize(308, 38) || !fader->Transparent())
        qFatal("TextFader4 is not the 308 x 38 transparent entry");
    // Time is driven by hand: zero delays stop the fader's own ticks, and every other fader of the
    // page is stopped too so that none paints in between.
    for (TTextFader *other : menu.findChildren<TTextFader *>())
        other->SetActive(false);
    fader->SetActive(true);
    fader->SetLineDelay(0);
    fader->SetFadeDelay(0);
    fader->SetLines({QStringLiteral("Road Signs / Signals"), QStringLiteral("Learners Questions")});

    auto *label = new QLabel(QStringLiteral("Road Signs / Signals"), &menu);
    label->setGeometry(672, 700 - 38, 308, 38);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(27);
    label->setFont(font);
    label->show();

    const int count = quick ? 3 : 2000;
    const double step = medianMs(count, [&](int) { fader->TimerExpired(); });
    const double plain = medianMs(count, [&](int) { label->repaint(); });
    const double ratio = step / plain;
    addRow(QStringLiteral("fade step of a 308 x 38 transparent fader on the main menu"), ms(step),
           QStringLiteral("QLabel repaint of the same size ") + ms(plain), times(ratio), QStringLiteral("<= 3x"),
           ratio <= 3);
}

// ---- the main menu left on screen

void benchMenuIdle()
{
    DataCopy data;
    MessageRecorder recorder;
    const int msecs = quick ? 300 : 10000;
    runEventLoop(200);
    const double idleStart = cpuSeconds();
    runEventLoop(msecs);
    const double idle = cpuSeconds() - idleStart;

    TForm2 form;
    form.showPage(form.MenuT);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the main window was not shown");
    runEventLoop(500);
    const double menuStart = cpuSeconds();
    runEventLoop(msecs);
    const double shown = cpuSeconds() - menuStart;

    const double percent = (shown - idle) / (msecs / 1000.0) * 100;
    addRow(QStringLiteral("main menu shown with its faders running, CPU above idle"),
           QString::number(shown / (msecs / 1000.0) * 100, 'f', 2) + QStringLiteral(" % of a core"),
           QStringLiteral("idle process ") + QString::number(idle / (msecs / 1000.0) * 100, 'f', 2) +
               QStringLiteral(" %"),
           QString::number(percent, 'f', 2) + QStringLiteral(" % above idle"), QStringLiteral("< 2 %"), percent < 2);
}

// ---- switching sign category

void benchSigns()
{
    DataCopy data;
    MessageRecorder recorder;
    SignsPage page;
    page.show();
    if (!QTest::qWaitForWindowExposed(&page))
        qFatal("the signs page was not shown");
    page.open();
    auto *list = page.findChild<StudyListBox *>(QStringLiteral("ListBox2"));
    if (!list)
        qFatal("the signs page has no category list");
    const int categories = list->count();
    if (categories < 2)
        qFatal("the signs page lists no categories");
    const int count = quick ? 3 : 300;
    // Each switch goes to another category than the one shown.
    const double change = medianMs(count, [&](int i) {
        list->setCurrentRow((i + 1) % categories);
        page.ListBox2Click();
    });
    const double read = medianMs(count, [&](int i) {
        (void)LineListFile::read(SignsPage::signListFile(list->item((i + 1) % categories)->text()));
    });
    if (!recorder.all().isEmpty())
        qFatal("the signs page reported: %s", qPrintable(recorder.all().join(u'|')));
    addRow(QStringLiteral("switching sign category"), ms(change),
           QStringLiteral("reading the sign list file ") + ms(read), times(change / read), QStringLiteral("< 5 ms"),
           change < 5);
}

// ---- question download from a local FTP server

void benchDownload()
{
    FtpServerFixture server;
    if (!server.isRunning())
        qFatal("the FTP server did not start: %s", qPrintable(server.errorString()));
    const int files = quick ? 5 : 190;
    const QDir bank(QStringLiteral(TARMIKA_DATA_DIR "/Questions"));
    for (int n = 1; n <= files; ++n) {
        QFile file(bank.filePath(QStringLiteral("%1.lrn").arg(n)));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("question %d is missing from the sample bank", n);
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), file.readAll());
    }
    QTemporaryDir target;
    FtpClient client(server.host(), server.port());
    client.setUser(FtpServerFixture::user());
    client.setPassword(FtpServerFixture::password());
    QElapsedTimer clock;
    clock.start();
    client.Connect();
    client.ChangeDir(QStringLiteral("/public_html/questions"));
    for (int n = 1; n <= files; ++n)
        client.Get(QStringLiteral("%1.lrn").arg(n), target.filePath(QStringLiteral("%1.lrn").arg(n)), true);
    client.Disconnect();
    const double perFile = double(clock.nsecsElapsed()) / 1e6 / files;
    if (server.retrieved().size() != files || !QFileInfo::exists(target.filePath(QStringLiteral("%1.lrn").arg(files))))
        qFatal("the download did not fetch every file");
    addRow(QStringLiteral("question download, per file (%1 files)").arg(files), ms(perFile),
           QStringLiteral("the download tick 200 ms"), times(perFile / 200), QStringLiteral("< 10 ms"), perFile < 10);
}

// ---- the mock test: drawing, moving between questions, finishing

void benchMock()
{
    DataCopy data;
    MessageRecorder recorder;
    // A bank of 400: the sample's questions, with copies of them after it should it hold fewer.
    const int sample = QuestionBank::CountFiles();
    for (int n = sample + 1; sample > 0 && n <= 400; ++n)
        QFile::copy(QuestionBank::fileName((n - 1) % sample + 1), QuestionBank::fileName(n));
    const int bank = QuestionBank::CountFiles();
    QRandomGenerator random(1);
    const int draws = quick ? 1 : 30;
    const double draw = medianMs(draws, [&](int) {
        if (drawMockTest(MockSettings(), QStringLiteral("lv"), random).questions.size() != 64)
            qFatal("the draw did not give 64 questions");
    });
    const double readAll = medianMs(quick ? 1 : 10, [&](int) {
        for (int n = 1; n <= bank; ++n)
            (void)QuestionBank::load(n);
    });
    addRow(QStringLiteral("mock test: drawing 64 questions from %1").arg(bank), ms(draw),
           QStringLiteral("reading all %1 question files ").arg(bank) + ms(readAll), times(draw / readAll),
           QStringLiteral("< 50 ms"), draw < 50);

    SessionState state;
    state.learnerName = QStringLiteral("Bench");
    state.ctype = QStringLiteral("lv");
    state.RadioGroup1 = 1;
    MockTestPage page(state);
    page.show();
    if (!QTest::qWaitForWindowExposed(&page) || !page.start())
        qFatal("the mock test did not start: %s", qPrintable(recorder.all().join(u'|')));
    // Forth through the test and back again, each step a key press painted at once.
    const int steps = quick ? 2 : 63;
    const double move = medianMs(2 * steps, [&](int i) {
        QTest::keyClick(&page, i < steps ? Qt::Key_Right : Qt::Key_Left);
        page.repaint();
    });
    const double paint = medianMs(2 * steps, [&](int) { page.repaint(); });
    addRow(QStringLiteral("mock test: moving to the next or previous question, painted"), ms(move),
           QStringLiteral("repainting the page unchanged ") + ms(paint), times(move / paint), QStringLiteral("< 5 ms"),
           move < 5);

    std::vector<double> finishes;
    for (int i = 0; i < (quick ? 1 : 20); ++i) {
        if (i > 0 && !page.start())
            qFatal("the mock test did not start again");
        QElapsedTimer clock;
        clock.start();
        page.finishTest();
        finishes.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const double save = medianMs(quick ? 1 : 20, [&](int) {
        LineListFile::write(QStringLiteral("Bench.sav"), {state.learnerName, QStringLiteral("1"), state.ctype});
    });
    if (page.view() != MockTestPage::View::Result || !recorder.all().isEmpty())
        qFatal("finishing did not show the result: %s", qPrintable(recorder.all().join(u'|')));
    addRow(QStringLiteral("mock test: finishing, scoring and appending the history and answers"), ms(median(finishes)),
           QStringLiteral("one atomic profile save ") + ms(save), times(median(finishes) / save),
           QStringLiteral("< 20 ms"), median(finishes) < 20);
}

void printTable()
{
    std::printf("\n| case | figure | reference | ratio | goal | met |\n| --- | --- | --- | --- | --- | --- |\n");
    for (const Row &row : rows)
        std::printf("| %s | %s | %s | %s | %s | %s |\n", qPrintable(row.name), qPrintable(row.figure),
                    qPrintable(row.reference), qPrintable(row.ratio), qPrintable(row.goal),
                    !row.met   ? "-"
                    : *row.met ? "yes"
                               : "no");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--startup-child") == 0) {
        int childArgc = 1;
        return startupChild(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]), childArgc, argv);
    }
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    quick = arguments.contains(QStringLiteral("--quick"));
    const QStringList only = arguments.mid(1).filter(QRegularExpression(QStringLiteral("^[a-z]+$")));
    const std::pair<const char *, void (*)()> cases[] = {
        {"startup", benchStartup}, {"next", benchNext},         {"fade", benchFadeStep}, {"idle", benchMenuIdle},
        {"signs", benchSigns},     {"download", benchDownload}, {"mock", benchMock},
    };
    for (const auto &[name, run] : cases) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(name)))
            continue;
        std::printf("%s...\n", name);
        std::fflush(stdout);
        run();
    }
    printTable();
    // Goals are reported, never enforced here: timing depends on the machine.
    return 0;
}
