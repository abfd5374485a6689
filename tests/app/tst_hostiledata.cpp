#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "controls/page.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
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
#include "testing/progresschart.h"
#include "testing/questionpage.h"
#include "testing/questionpictures.h"
#include "tests/support/ftpserverfixture.h"
#include "update/updatepanel.h"
#include "update/updateserver.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtTest>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

// The whole window walked like a learner over a data directory whose files are damaged in one way
// at a time: the program must neither crash nor hang, must say in plain words which file is
// wrong, must stay usable, and must write nothing but its own files.
namespace {

enum class Damage { None, Empty, Garbage, LongLine, BadUtf8, Utf16 };
enum class Target { Questions, Profile, Progress, MaxCount, Version, SignLists, Documents, Pictures, Adverts };

constexpr qint64 stepLimitMs = 5000; // a normal step takes milliseconds
constexpr int watchdogSeconds = 240; // a step still running then is taken to hang (sanitizer builds are slow)
constexpr qsizetype longLineBytes = 10 * 1024 * 1024;

const QString learner = QStringLiteral("Learner1");
const QString fallbackLearner = QStringLiteral("Learner2");

// Ends the process when a step does not return, so a hang fails with the step's name instead of
// running into the test driver's timeout.
class Watchdog {
public:
    Watchdog() : m_thread([this] { run(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void arm(const QString &step)
    {
        std::lock_guard lock(m_mutex);
        m_step = step.toStdString();
        m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(watchdogSeconds);
        m_armed = true;
        m_wake.notify_all();
    }
    void disarm()
    {
        std::lock_guard lock(m_mutex);
        m_armed = false;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_quit) {
            if (!m_armed) {
                m_wake.wait(lock);
                continue;
            }
            if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
                std::chrono::steady_clock::now() >= m_deadline) {
                std::fprintf(stderr, "FAIL: the step \"%s\" did not return within %d s\n", m_step.c_str(),
                             watchdogSeconds);
                std::abort();
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_deadline;
    std::string m_step;
    bool m_armed = false;
    bool m_quit = false;
    std::thread m_thread;
};

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QByteArray smallPng()
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

QByteArray sourceFile(const QString &relative)
{
    QFile file(QStringLiteral(TARMIKA_SOURCE_DIR "/content/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every picture of "images" the walk can come across, as data paths.
QStringList pictureFiles()
{
    QStringList names{QStringLiteral("lvs"), QStringLiteral("lvb"), QStringLiteral("hvs"), QStringLiteral("hb"),
                      QStringLiteral("mcs"), QStringLiteral("mb"),  QStringLiteral("rs"),  QStringLiteral("q3")};
    names += QuestionPictures::all();
    names += SignPictureTable::allIdentifiers();
    QStringList files;
    for (const QString &name : names)
        files << QStringLiteral("images/") + name + QStringLiteral(".png");
    for (ControlsPage::Kind kind : {ControlsPage::Kind::LightVT, ControlsPage::Kind::MotorcycleT}) {
        const ControlsPage::Look look = ControlsPage::look(kind);
        files << look.restingPicture;
        for (const ControlsPage::Control &control : look.controls)
            files << control.picture;
    }
    for (RulePage::Kind kind : {RulePage::Kind::Cardinal, RulePage::Kind::Driving, RulePage::Kind::Responsibilities,
                                RulePage::Kind::Driverules, RulePage::Kind::LearnersT})
        files += RulePage::look(kind).pictures;
    files.removeAll(QString());
    files.removeDuplicates();
    return files;
}

QStringList documentFiles()
{
    return {DocumentChoice::introduction, QStringLiteral("doc/Hmve.rtf"), QStringLiteral("doc/Hmvi.rtf"),
            QStringLiteral("doc/lmve.rtf"), QStringLiteral("doc/mve.rtf")};
}

QString signList(const QString &category)
{
    return SignsPage::signListFile(category);
}

// The sound data directory: a three-question bank, a returning learner with progress, the sign
// lists and documents as shipped, and a small picture for every picture name.
QMap<QString, QByteArray> soundFiles()
{
    QMap<QString, QByteArray> files;
    files[QStringLiteral("Questions/1.lrn")] =
        crlf({"Which vehicles may use a bus lane?", "A. Buses", "B. Minibus taxis", "C. Cars", "1. A only",
              "2. A and B", "3. B and C", "4. All of them", "a1", "1", "0"});
    files[QStringLiteral("Questions/2.lrn")] =
        crlf({"Which control stops the car?", "A. Brake", "B. Clutch", "C. Hooter", "1. A only", "2. B only",
              "3. C only", "4. None", "b1", "2", "lv"});
    files[QStringLiteral("Questions/3.lrn")] =
        crlf({"What does this sign mean?", "A. Stop", "B. Yield", "C. Go", "1. A only", "2. B only", "3. C only",
              "4. A and C", "c1", "3", "q3"});
    files[learner + QStringLiteral(".sav")] = crlf({learner, "2", "lv"});
    files[QStringLiteral("doc/") + learner + QStringLiteral(".lrn")] = crlf({learner, "1", "1", "1", "0", "0", "0"});
    files[QStringLiteral("doc/maxcount.lrn")] = crlf({"1", "1", "1"});
    files[QStringLiteral("doc/ver.txt")] = crlf({"1004"});
    for (const QString &category : SignPictureTable::categories())
        files[signList(category)] = sourceFile(signList(category));
    for (const QString &document : documentFiles())
        files[document] = sourceFile(document);
    const QByteArray png = smallPng();
    for (const QString &picture : pictureFiles())
        files[picture] = png;
    for (int n = 0; n < 3; ++n)
        files[QStringLiteral("adds/a%1.png").arg(n)] = png;
    return files;
}

// The files a damage is applied to. A 10 MB line goes into the one file of each kind that the walk
// is sure to read, which keeps the run short.
QStringList targetFiles(Target target, Damage damage, const QMap<QString, QByteArray> &sound)
{
    const bool few = damage == Damage::LongLine;
    switch (target) {
    case Target::Questions:
        return few ? QStringList{"Questions/1.lrn"}
                   : QStringList{"Questions/1.lrn", "Questions/2.lrn", "Questions/3.lrn"};
    case Target::Profile:
        return {learner + QStringLiteral(".sav")};
    case Target::Progress:
        return {QStringLiteral("doc/") + learner + QStringLiteral(".lrn")};
    case Target::MaxCount:
        return {QStringLiteral("doc/maxcount.lrn")};
    case Target::Version:
        return {QStringLiteral("doc/ver.txt")};
    case Target::SignLists: {
        const QStringList categories = SignPictureTable::categories();
        QStringList files;
        for (const QString &category : few ? categories.mid(0, 2) : categories)
            files << signList(category);
        return files;
    }
    case Target::Documents:
        return few ? QStringList{DocumentChoice::introduction} : documentFiles();
    case Target::Pictures: {
        if (few)
            return {"images/lvs.png", "images/quest.png", "images/rs.png"};
        QStringList files;
        for (auto it = sound.begin(); it != sound.end(); ++it)
            if (it.key().startsWith(QStringLiteral("images/")))
                files << it.key();
        return files;
    }
    case Target::Adverts:
        return few ? QStringList{"adds/a0.png"} : QStringList{"adds/a0.png", "adds/a1.png", "adds/a2.png"};
    }
    return {};
}

QByteArray randomBytes(quint32 seed, qsizetype size)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(generator.bounded(256));
    // Plenty of NULs, as a binary file has.
    for (qsizetype i = 0; i < size; i += 7)
        bytes[i] = '\0';
    return bytes;
}

// A PNG header whose picture claims 40000 x 40000 pixels, then noise: the decoder has to refuse it
// without trying to allocate it.
QByteArray pngHeaderWithNoise(quint32 seed)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    QByteArray chunk("IHDR", 4);
    const quint32 side = 40000;
    for (int i = 0; i < 2; ++i)
        chunk += QByteArray::fromHex(QByteArray::number(side, 16).rightJustified(8, '0'));
    chunk += QByteArray::fromHex("0806000000"); // 8 bits, RGBA
    // The checksum is right, so the decoder gets as far as the picture's size.
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : chunk) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xFFFFFFFFu;
    bytes += QByteArray::fromHex("0000000d") + chunk +
             QByteArray::fromHex(QByteArray::number(crc, 16).rightJustified(8, '0'));
    bytes += QByteArray::fromHex("00001000") + QByteArray("IDAT", 4) + randomBytes(seed, 4096);
    return bytes;
}

QByteArray damaged(const QString &path, const QByteArray &sound, Damage damage)
{
    const bool picture = path.endsWith(QStringLiteral(".png"));
    const bool document = path.endsWith(QStringLiteral(".rtf"));
    const quint32 seed = qHash(path);
    switch (damage) {
    case Damage::None:
        return sound;
    case Damage::Empty:
        return {};
    case Damage::Garbage:
        if (picture)
            return pngHeaderWithNoise(seed);
        // A document that starts like RTF makes the reader parse the noise rather than refuse it.
        return (document ? QByteArray("{\\rtf1\\ansi ") : QByteArray()) + randomBytes(seed, 8192);
    case Damage::LongLine: {
        const QByteArray unit = document ? QByteArray("word\\b bold\\b0  ") : QByteArray("Tarmika 0123456789 ");
        QByteArray line = (document ? QByteArray("{\\rtf1 ") : QByteArray());
        line.reserve(longLineBytes);
        while (line.size() < longLineBytes)
            line += unit;
        line.truncate(longLineBytes);
        return line;
    }
    case Damage::BadUtf8: {
        // Overlong, truncated, surrogate and out-of-range sequences at the end of every line.
        static const QByteArray bad("\xC0\xAF\xC3\x28\xED\xA0\x80\xF8\x88\x80\x80\x80\xFF", 13);
        QByteArray bytes = sound;
        bytes.replace("\n", "\n" + bad);
        // A document keeps its RTF header, so the reader meets the bytes inside the text.
        return document ? bytes : bad + bytes;
    }
    case Damage::Utf16: {
        const QString text = picture ? QString::fromLatin1(sound) : QString::fromUtf8(sound);
        return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }
    }
    return sound;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// What a file is, for telling whether anything wrote to it.
struct Stamp {
    qint64 size = -1;
    qint64 modified = 0;
    QByteArray hash;
    bool operator==(const Stamp &) const = default;
};

QMap<QString, Stamp> listing(const QString &root, const QString &skip = QString())
{
    QMap<QString, Stamp> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (!skip.isEmpty() && (relative == skip || relative.startsWith(skip + u'/')))
            continue;
        const QFileInfo info = it.fileInfo();
        Stamp stamp;
        if (info.isFile()) {
            stamp.size = info.size();
            stamp.modified = info.lastModified().toMSecsSinceEpoch();
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                QCryptographicHash hash(QCryptographicHash::Sha1);
                hash.addData(&file);
                stamp.hash = hash.result();
            }
        }
        entries.insert(relative, stamp);
    }
    return entries;
}

// Files the program keeps itself and may rewrite at any time.
bool ownedByTheProgram(const QString &relative)
{
    for (const QString &name : {learner, fallbackLearner}) {
        if (relative == name + QStringLiteral(".sav") ||
            relative == QStringLiteral("doc/") + name + QStringLiteral(".lrn"))
            return true;
    }
    return relative == QStringLiteral("doc/maxcount.lrn") || relative == QStringLiteral("doc/ver.txt");
}

// A message a learner can read: some words, no control characters, no replacement characters and
// not a dump of file content.
QString unclearMessage(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("an empty message");
    if (text.size() > 600)
        return QStringLiteral("a message of %1 characters").arg(text.size());
    for (QChar c : text) {
        if ((c.category() == QChar::Other_Control && c != u'\n') || c == QChar::ReplacementCharacter ||
            c.isNonCharacter() || c.isSurrogate())
            return QStringLiteral("a message with the character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return {};
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void clickFader(TTextFader *fader)
{
    QTest::mouseClick(fader, Qt::LeftButton, {}, QPoint(5, 5));
}

QString targetName(Target target)
{
    switch (target) {
    case Target::Questions:
        return QStringLiteral("questions");
    case Target::Profile:
        return QStringLiteral("profile");
    case Target::Progress:
        return QStringLiteral("progress");
    case Target::MaxCount:
        return QStringLiteral("maxcount");
    case Target::Version:
        return QStringLiteral("ver.txt");
    case Target::SignLists:
        return QStringLiteral("sign lists");
    case Target::Documents:
        return QStringLiteral("documents");
    case Target::Pictures:
        return QStringLiteral("pictures");
    case Target::Adverts:
        return QStringLiteral("adverts");
    }
    return {};
}

QString damageName(Damage damage)
{
    switch (damage) {
    case Damage::None:
        return QStringLiteral("sound");
    case Damage::Empty:
        return QStringLiteral("empty");
    case Damage::Garbage:
        return QStringLiteral("binary garbage");
    case Damage::LongLine:
        return QStringLiteral("10 MB line");
    case Damage::BadUtf8:
        return QStringLiteral("invalid UTF-8");
    case Damage::Utf16:
        return QStringLiteral("UTF-16 without BOM");
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Target)

class TestHostileData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void learnerWalksOverDamagedFiles_data();
    void learnerWalksOverDamagedFiles();

private:
    std::unique_ptr<Watchdog> m_watchdog;
    QMap<QString, QByteArray> m_sound;
};

void TestHostileData::initTestCase()
{
    m_watchdog = std::make_unique<Watchdog>();
    m_sound = soundFiles();
    // The shipped content must be there, or the sound walk would prove nothing.
    for (const QString &document : documentFiles())
        QVERIFY2(!m_sound.value(document).isEmpty(), qPrintable(document));
    QVERIFY(!m_sound.value(signList(SignPictureTable::categories().first())).isEmpty());
}

void TestHostileData::learnerWalksOverDamagedFiles_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<Damage>("damage");
    // A file whose damage must be reported: the walk cannot use it at all, and saying nothing would
    // leave the learner with a blank page.
    QTest::addColumn<QString>("mustReport");

    QTest::newRow("sound data") << Target::Questions << Damage::None << QString();
    const Target targets[] = {Target::Questions, Target::Profile,   Target::Progress, Target::MaxCount, Target::Version,
                              Target::SignLists, Target::Documents, Target::Pictures, Target::Adverts};
    const Damage damages[] = {Damage::Empty, Damage::Garbage, Damage::LongLine, Damage::BadUtf8, Damage::Utf16};
    for (Target target : targets) {
        for (Damage damage : damages) {
            QString mustReport;
            const bool unreadable = damage == Damage::Empty || damage == Damage::LongLine;
            if (target == Target::Questions && unreadable)
                mustReport = QStringLiteral("Questions/1.lrn");
            if (target == Target::Profile && unreadable)
                mustReport = learner + QStringLiteral(".sav");
            if (target == Target::Documents && (damage == Damage::Empty || damage == Damage::Utf16))
                mustReport = DocumentChoice::introduction;
            if (target == Target::Pictures)
                mustReport = QStringLiteral("images/lvs.png");
            const QString name = targetName(target) + QStringLiteral(", ") + damageName(damage);
            QTest::newRow(qPrintable(name)) << target << damage << mustReport;
        }
    }
}

void TestHostileData::learnerWalksOverDamagedFiles()
{
    QFETCH(Target, target);
    QFETCH(Damage, damage);
    QFETCH(QString, mustReport);

    // The data directory lies inside a folder of its own, so a write beside it shows.
    QTemporaryDir outer;
    QVERIFY(outer.isValid());
    const QString dataDir = outer.filePath(QStringLiteral("data"));
    const QStringList damagedFiles = targetFiles(target, damage, m_sound);
    for (auto it = m_sound.begin(); it != m_sound.end(); ++it) {
        const bool hit = damage != Damage::None && damagedFiles.contains(it.key());
        writeFile(QDir(dataDir).filePath(it.key()), hit ? damaged(it.key(), it.value(), damage) : it.value());
    }
    writeFile(outer.filePath(QStringLiteral("beside.txt")), "a file beside the data directory\r\n");
    const QMap<QString, Stamp> outerBefore = listing(outer.path(), QStringLiteral("data"));
    const QMap<QString, Stamp> dataBefore = listing(dataDir);

    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(dataDir);
    const auto restoreDir = qScopeGuard([&] { QDir::setCurrent(previousDir); });

    MessageRecorder recorder;
    std::unique_ptr<TForm2> form;
    QStringList problems; // steps that were slow or lost the page
    QElapsedTimer total;
    total.start();

    // One learner action: bounded in time, and afterwards the window shows one of its pages.
    auto step = [&](const QString &name, const std::function<void()> &action) {
        m_watchdog->arm(name);
        QElapsedTimer clock;
        clock.start();
        action();
        QCoreApplication::processEvents();
        const qint64 ms = clock.elapsed();
        m_watchdog->disarm();
        if (ms > stepLimitMs)
            problems << QStringLiteral("%1 took %2 ms").arg(name).arg(ms);
        if (form && !(form->activePage() && form->PageControl1->indexOf(form->activePage()) >= 0))
            problems << name + QStringLiteral(" left the window without a page");
    };
    auto onPage = [&](QWidget *page) { return form->activePage() == page; };
    auto backToMenu = [&](const QString &name, HotSpot *back) {
        step(name + QStringLiteral(": back"), [&] { QTest::mouseClick(back, Qt::LeftButton); });
        QVERIFY2(onPage(form->MenuT), qPrintable(name + QStringLiteral(": back did not reach the menu")));
    };

    // Start-up. Nothing listens at the update server's address, in case a download were armed.
    step(QStringLiteral("start-up"), [&] {
        form = std::make_unique<TForm2>(serverAt(QStringLiteral("127.0.0.1"), unusedLocalPort()));
        form->show();
    });
    QVERIFY(form);
    QVERIFY(onPage(form->Login));
    QVERIFY2(!form->qdowload->isActive(), "a bank of three files must not be downloaded again");

    // Sign-in as the returning learner; a profile that cannot be used sends the learner to
    // another name, as its message asks.
    step(QStringLiteral("sign-in"), [&] {
        child<QLineEdit>(form->Login, "edit2")->setText(learner);
        QTest::mouseClick(child<HotSpot>(form->Login, "SpeedButton21"), Qt::LeftButton);
    });
    if (onPage(form->Login)) {
        step(QStringLiteral("sign-in with another name"), [&] {
            child<QLineEdit>(form->Login, "edit2")->setText(fallbackLearner);
            QTest::mouseClick(child<HotSpot>(form->Login, "SpeedButton21"), Qt::LeftButton);
        });
    }
    QVERIFY2(onPage(form->Course), "sign-in did not reach the course page");

    step(QStringLiteral("course tile"), [&] { form->Course->Image31Click(); });
    QCOMPARE(form->state().RadioGroup1, 1);
    step(QStringLiteral("course NEXT"),
         [&] { QTest::mouseClick(child<HotSpot>(form->Course, "SpeedButton22"), Qt::LeftButton); });
    QVERIFY2(onPage(form->MenuT), "the course page did not lead to the menu");
    step(QStringLiteral("gauge run-down"), [&] {
        for (int tick = 0; tick < 1000000 && form->Timer1->isActive(); ++tick)
            form->chart->Timer1Timer();
    });
    QVERIFY2(!form->Timer1->isActive(), "the gauge run-down never ends");

    step(QStringLiteral("Introduction"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader15")); });
    QVERIFY(onPage(form->MenuT));

    const struct {
        const char *name;
        TTextFader *entry;
        RulePage *page;
    } rulePages[] = {
        {"The Learner's Exam", child<TTextFader>(form->MenuT, "TextFader14"), form->LearnersT},
        {"Cardinal Rules", child<TTextFader>(form->MenuT, "TextFader16"), form->Cardinal},
        {"Driving Rules", child<TTextFader>(form->MenuT, "TextFader17"), form->Driverules},
        {"Defensive Driving", child<TTextFader>(form->MenuT, "TextFader7"), form->Driving},
        {"Driver Responsibilities", child<TTextFader>(form->MenuT, "TextFader18"), form->Responsibilities},
    };
    for (const auto &row : rulePages) {
        const QString name = QString::fromLatin1(row.name);
        step(name, [&] { clickFader(row.entry); });
        QVERIFY2(onPage(row.page), qPrintable(name + QStringLiteral(" did not open")));
        step(name + QStringLiteral(": topic"), [&] {
            StudyListBox *topics = topicListOf(*row.page);
            topics->setCurrentRow(qMin(1, topics->count() - 1));
            row.page->topicClicked();
        });
        backToMenu(name, backButtonOf(*row.page));
    }

    step(QStringLiteral("Road Signs"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader4")); });
    QVERIFY(onPage(form->Signs));
    step(QStringLiteral("Road Signs: category"), [&] {
        child<StudyListBox>(form->Signs, "ListBox2")->setCurrentRow(1);
        form->Signs->ListBox2Click();
    });
    step(QStringLiteral("Road Signs: sign"), [&] {
        if (child<StudyListBox>(form->Signs, "discbox")->count() > 0) {
            child<StudyListBox>(form->Signs, "discbox")->setCurrentRow(0);
            form->Signs->discboxClick();
        }
    });
    backToMenu(QStringLiteral("Road Signs"), child<HotSpot>(form->Signs, "SpeedButton5"));

    step(QStringLiteral("Controls"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader6")); });
    QVERIFY(onPage(form->LightVT));
    step(QStringLiteral("Controls: hover"), [&] {
        if (QLabel *label = controlLabelsOf(*form->LightVT).value(1)) {
            enter(label);
            leave(label);
        }
    });
    backToMenu(QStringLiteral("Controls"), backButtonOf(*form->LightVT));

    const struct {
        const char *name;
        TTextFader *entry;
    } documents[] = {{"Exterior Inspection", child<TTextFader>(form->MenuT, "TextFader8")},
                     {"Interior Inspection", child<TTextFader>(form->MenuT, "TextFader21")}};
    for (const auto &row : documents) {
        const QString name = QString::fromLatin1(row.name);
        step(name, [&] { clickFader(row.entry); });
        // A document that cannot be read keeps the learner on the menu.
        if (onPage(form->exterior))
            backToMenu(name, child<HotSpot>(form->exterior, "SpeedButton6"));
        QVERIFY2(onPage(form->MenuT), qPrintable(name));
    }

    step(QStringLiteral("Learners Questions"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader11")); });
    const auto questionStep = [&](const QString &name, const std::function<void()> &action) {
        // A question that cannot be read ends on the menu; the page's buttons are out of reach then.
        if (onPage(form->QuestionT))
            step(name, action);
    };
    questionStep(QStringLiteral("Learners Questions: NEXT"), [&] { form->QuestionT->SpeedButton2Click(); });
    questionStep(QStringLiteral("Learners Questions: BACK"), [&] { form->QuestionT->SpeedButton11Click(); });
    questionStep(QStringLiteral("Learners Questions: option"), [&] { form->QuestionT->A1aClick(); });
    questionStep(QStringLiteral("Learners Questions: MENU"), [&] { form->QuestionT->SpeedButton3Click(); });
    QVERIFY2(onPage(form->MenuT), "Learners Questions did not end on the menu");

    step(QStringLiteral("Test yourself"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader12")); });
    questionStep(QStringLiteral("Test yourself: option"), [&] { form->QuestionT->A2bClick(); });
    questionStep(QStringLiteral("Test yourself: MENU"), [&] { form->QuestionT->SpeedButton3Click(); });
    QVERIFY2(onPage(form->MenuT), "Test yourself did not end on the menu");

    step(QStringLiteral("advert ticks"), [&] {
        for (int tick = 0; tick < 5; ++tick)
            form->Timer2Timer();
    });

    step(QStringLiteral("Options"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader22")); });
    QVERIFY(form->Panel2->isVisible());
    step(QStringLiteral("Options: About"),
         [&] { QTest::mouseClick(child<HotSpot>(form->Panel2, "SpeedButton19"), Qt::LeftButton); });
    step(QStringLiteral("Options: Close"),
         [&] { QTest::mouseClick(child<HotSpot>(form->Panel2, "SpeedButton20"), Qt::LeftButton); });
    QVERIFY(form->Panel2->isHidden());

    // Still usable: the menu answers and the gate lets a signed-in learner through.
    step(QStringLiteral("Road Signs again"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader4")); });
    QVERIFY(onPage(form->Signs));
    backToMenu(QStringLiteral("Road Signs again"), child<HotSpot>(form->Signs, "SpeedButton5"));
    step(QStringLiteral("Exit Program"), [&] { clickFader(child<TTextFader>(form->MenuT, "TextFader9")); });
    QVERIFY(!form->isVisible());
    form.reset();

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    // Every message is plain words, and every error names a file that was damaged.
    for (const QString &text : recorder.all()) {
        const QString problem = unclearMessage(text);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral(": ") + text.left(200)));
    }
    for (const QString &error : recorder.errors) {
        const bool namesFile = std::any_of(damagedFiles.begin(), damagedFiles.end(),
                                           [&](const QString &file) { return error.contains(file); });
        QVERIFY2(damage != Damage::None && namesFile,
                 qPrintable(QStringLiteral("error naming no damaged file: ") + error));
    }
    if (damage == Damage::None)
        QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().join(QStringLiteral(" | "))));
    if (!mustReport.isEmpty()) {
        const QStringList all = recorder.all();
        QVERIFY2(
            std::any_of(all.begin(), all.end(), [&](const QString &text) { return text.contains(mustReport); }),
            qPrintable(
                QStringLiteral("nothing names %1; messages: %2").arg(mustReport, all.join(QStringLiteral(" | ")))));
    }

    // Nothing changed beside the data directory, and inside it only the program's own files.
    QCOMPARE(listing(outer.path(), QStringLiteral("data")), outerBefore);
    const QMap<QString, Stamp> dataAfter = listing(dataDir);
    QStringList written;
    for (auto it = dataAfter.begin(); it != dataAfter.end(); ++it) {
        if (dataBefore.value(it.key()) != it.value() && !ownedByTheProgram(it.key()))
            written << it.key();
    }
    for (auto it = dataBefore.begin(); it != dataBefore.end(); ++it) {
        if (!dataAfter.contains(it.key()) && !ownedByTheProgram(it.key()))
            written << it.key() + QStringLiteral(" (removed)");
    }
    QVERIFY2(written.isEmpty(), qPrintable(written.join(QStringLiteral(", "))));
    qDebug("%s: %lld ms, %lld messages", QTest::currentDataTag(), total.elapsed(), qint64(recorder.all().size()));
}

QTEST_MAIN(TestHostileData)
#include "tst_hostiledata.moc"
