#include "update/updatepanel.h"

#include "base/datapaths.h"
#include "base/guard.h"
#include "base/linelistfile.h"
#include "base/messages.h"
#include "base/versionfile.h"
#include "controls/page.h"
#include "controls/palette.h"
#include "controls/textfader.h"
#include "update/buildsignature.h"
#include "update/ftpdownload.h"
#include "update/questioncount.h"
#include "update/questionstaging.h"
#include "update/updater/executableformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryFile>
#include <QTimer>

#include <utility>

namespace {

const QString noConnectionLine = QStringLiteral("No internet conection, Connect internet and try again");
const QString questionsDoneLine = QStringLiteral("Update succesfull,please close program and reopen");
const QString questionsFailedLine = QStringLiteral("Question download failed, please close program and reopen");
const QString busyLine = QStringLiteral("Please wait, a download is still running");
const QString badVersionLine = QStringLiteral("The update on the server is not valid");
const QString updaterFailedLine = QStringLiteral("The update could not be installed");
const QString readOnlyFolderLine = QStringLiteral("Updates cannot be installed: the program folder is read-only");

const QStringList contactLines{
    QStringLiteral("Tarmika Learning Software"),
    QStringLiteral("E-mail: info@tarmika.example"),
    QStringLiteral("P.O. Box 1001"),
    QStringLiteral("12 Example Road"),
    QStringLiteral("Sampleville"),
    QStringLiteral("Gauteng"),
    QStringLiteral("0001"),
    QStringLiteral("www.tarmika.example"),
};

void removeIfExists(const QString &relativePath)
{
    const QString path = DataPaths::resolve(relativePath);
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

// Sets a flag for the lifetime of a scope, also when the scope is left by an error.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

} // namespace

UpdatePanel::UpdatePanel(QTimer *qdowloadTimer, QTimer *dlqTimer, QTimer *uptime1Timer, const UpdateServer &server,
                         QWidget *parent)
    : QWidget(parent), qdowload(qdowloadTimer), dlq(dlqTimer), uptime1(uptime1Timer), m_server(server)
{
    FTP.setCancelCheck([this] { return m_closing; });
    setObjectName(QStringLiteral("Panel2"));
    resize(Width, Height);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    SpeedButton7 = new HotSpot(QStringLiteral("SpeedButton7"), QRect(12, 10, 196, 34), this);
    SpeedButton19 = new HotSpot(QStringLiteral("SpeedButton19"), QRect(220, 10, 96, 34), this);
    SpeedButton20 = new HotSpot(QStringLiteral("SpeedButton20"), QRect(328, 10, 90, 34), this);
    connect(SpeedButton7, &HotSpot::clicked, this, &UpdatePanel::SpeedButton7Click);
    connect(SpeedButton19, &HotSpot::clicked, this, &UpdatePanel::SpeedButton19Click);
    connect(SpeedButton20, &HotSpot::clicked, this, &UpdatePanel::SpeedButton20Click);

    // Everything below lies inside the framed box of the picture, (12, 56) 554 x 252.
    updatestatus = makeFader(this, {.name = QStringLiteral("updatestatus"),
                                    .geometry = {24, 72, 391, 69},
                                    .lines = {QStringLiteral("Checking for updates")},
                                    .fontPixels = 21,
                                    .fontColor = Palette::maroon,
                                    .alignment = taLeftJustify,
                                    .transparent = false,
                                    .color = Qt::white});
    updatestatus->hide();

    DLstatus = new QLabel(this);
    DLstatus->setObjectName(QStringLiteral("DLstatus"));
    DLstatus->setGeometry(24, 158, 530, 24);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(24, 190, 530, 22);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setGeometry(20, 62, 540, 238);
    Memo1->setPlainText(contactLines.join(u'\n'));

    connect(qdowload, &QTimer::timeout, this, &UpdatePanel::qdowloadTimer);
    connect(dlq, &QTimer::timeout, this, &UpdatePanel::dlqTimer);
    connect(uptime1, &QTimer::timeout, this, &UpdatePanel::uptime1Timer);

    hide();
}

UpdatePanel::~UpdatePanel() = default;

void UpdatePanel::paintEvent(QPaintEvent *)
{
    // Decoded when the panel is first drawn: most sessions never open it.
    if (m_picture.isNull())
        m_picture = designPicture(QStringLiteral("panel2"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

QString UpdatePanel::updaterPath() const
{
    if (!m_updaterPath.isEmpty())
        return m_updaterPath;
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("TarmikaUpdate.exe");
#else
    const QString name = QStringLiteral("TarmikaUpdate");
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool UpdatePanel::downloadRunning() const
{
    return qdowload->isActive() || dlq->isActive() || m_programDownloading || m_ftpBusy;
}

void UpdatePanel::abandon()
{
    m_closing = true;
    qdowload->stop();
    dlq->stop();
    uptime1->stop();
}

void UpdatePanel::reportError(const QString &text)
{
    // A box over the sign-in page would take the keyboard from a learner typing a name: the
    // report waits until the panel, where its status line is, is on screen.
    if (isVisible())
        Messages::showError(text);
    else
        m_pendingReport = text;
}

void UpdatePanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_pendingReport.isEmpty())
        return;
    // After the page that carries the panel has been drawn.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !m_pendingReport.isEmpty())
            Messages::showError(std::exchange(m_pendingReport, QString()));
    });
}

QString UpdatePanel::programFolderProblem() const
{
    // The updater replaces the program in its own folder; a folder that takes no new file (a
    // packaged install) would make it fail after the download.
    QTemporaryFile probe(QFileInfo(updaterPath()).absolutePath() + QStringLiteral("/.tarmika-probe-XXXXXX"));
    return probe.open() ? QString() : readOnlyFolderLine;
}

void UpdatePanel::setStatus(const QStringList &lines)
{
    updatestatus->ClearLines();
    for (const QString &line : lines)
        updatestatus->AddLine(line);
}

void UpdatePanel::setMarquee(bool on)
{
    ProgressBar1->setRange(0, on ? 0 : 100);
}

void UpdatePanel::logIn(const QString &serverDir)
{
    FTP.setHost(m_server.host);
    FTP.setPort(m_server.port);
    FTP.setUser(m_server.user);
    FTP.setPassword(m_server.password);
    FTP.Connect();
    FTP.ChangeDir(serverDir);
}

void UpdatePanel::noConnection()
{
    setStatus({noConnectionLine});
    FTP.Disconnect();
}

void UpdatePanel::openForQuestionDownload(bool deleteMaxCount)
{
    Memo1->hide();
    show();
    updatestatus->show();
    updatestatus->AddLine(QStringLiteral("Checking for Question updates..."));
    if (deleteMaxCount)
        removeIfExists(DataPaths::maxCountFile);
    qdowload->start();
}

void UpdatePanel::qdowloadTimer()
{
    guarded([&] {
        qdowload->stop();
        Memo1->hide();
        removeIfExists(DataPaths::questionCountFile);
        QuestionStaging::discard();
        updatestatus->show();
        setStatus({QStringLiteral("Downloading Question updates...")});

        const QString countFile = DataPaths::resolve(DataPaths::questionCountFile);
        const FlagScope busy(m_ftpBusy);
        try {
            startCountdown(countFile);
        } catch (const DataError &) {
            noConnection();
        }
        fetchCountAgain(countFile);
    });
}

void UpdatePanel::startCountdown(const QString &countFile)
{
    logIn(m_server.questionDir);
    FTP.Get(QStringLiteral("qcount.txt"), countFile, false, false);
    details = LineListFile::read(countFile);
    const QString &first = LineListFile::lineAt(details, 0, countFile);
    // A count that is not a sensible number would never count down to the end.
    const int count = QuestionCount::parse(first);
    if (count == 0)
        throw DataError(QStringLiteral("\"%1\" is not a question count.").arg(first));
    m_count = m_countdown = count;
    QuestionStaging::prepare();
    setMarquee(true);
    dlq->start();
    if (!FTP.Connected())
        FTP.Connect();
}

void UpdatePanel::fetchCountAgain(const QString &countFile)
{
    if (m_closing)
        return;
    // The count is fetched once more outside the guarded steps; when the server could not be
    // reached, this fetch's error is the one reported in an error box.
    try {
        removeIfExists(DataPaths::questionCountFile);
        FTP.Get(QStringLiteral("qcount.txt"), countFile, false, false);
        details = LineListFile::read(countFile);
    } catch (const DataError &error) {
        reportError(error.text());
    }
}

void UpdatePanel::endQuestionDownload(const QString &status)
{
    dlq->stop();
    m_countdown = 0;
    setStatus({status});
    setMarquee(false);
}

void UpdatePanel::dlqTimer()
{
    // A tick that comes while a file is still arriving leaves the fetch to the next tick.
    if (m_ftpBusy)
        return;
    guarded([&] {
        const FlagScope busy(m_ftpBusy);
        const int n = m_countdown;
        try {
            if (n < 1)
                throw DataError(QStringLiteral("The question countdown is not running."));
            const QString staged = QuestionStaging::filePath(n);
            FTP.Get(QString::number(n) + QStringLiteral(".lrn"), staged, false, false);
            if (QFileInfo(staged).size() == 0)
                throw DataError(QStringLiteral("The question file %1.lrn is empty.").arg(n));
            m_countdown = n - 1;
            if (m_countdown == 0) {
                if (!QuestionStaging::holdsAll(m_count))
                    throw DataError(QStringLiteral("The downloaded question bank is incomplete."));
                QuestionStaging::install();
                endQuestionDownload(questionsDoneLine);
            }
        } catch (const DataError &) {
            // One report and an end to the countdown; the staged files are dropped, so the bank
            // stays empty and the next start downloads it afresh.
            QuestionStaging::discard();
            FTP.Disconnect();
            endQuestionDownload(questionsFailedLine);
        }
    });
}

void UpdatePanel::SpeedButton19Click()
{
    Memo1->show();
    Memo1->raise();
}

void UpdatePanel::SpeedButton20Click()
{
    removeIfExists(DataPaths::questionCountTempFile);
    hide();
}

void UpdatePanel::SpeedButton7Click()
{
    guarded([&] {
        // A check now would move the shared connection to another server folder under a running
        // countdown, or download into the very file a running download writes.
        if (downloadRunning()) {
            updatestatus->show();
            updatestatus->AddLine(busyLine);
            return;
        }
        // Only the latest check may start a download: a wait armed by an earlier one ends here.
        uptime1->stop();
        Memo1->hide();
        removeIfExists(DataPaths::serverVersionFile);
        updatestatus->show();
        updatestatus->AddLine(QStringLiteral("Checking for updates..."));

        const FlagScope busy(m_ftpBusy);
        try {
            logIn(m_server.programDir);
            checkVersions();
            if (!FTP.Connected())
                FTP.Connect();
        } catch (const DataError &) {
            noConnection();
        }
    });
}

void UpdatePanel::checkVersions()
{
    const QString serverVersion = VersionFile::offeredPath();
    FTP.Get(QStringLiteral("ver.txt"), serverVersion, false, false);
    const QString versionFile = VersionFile::installedPath();
    v1 = LineListFile::read(versionFile);
    if (!QFileInfo::exists(serverVersion))
        return;
    v2 = LineListFile::read(serverVersion);
    const QString &installed = LineListFile::lineAt(v1, 0, versionFile);
    const QString &offered = LineListFile::lineAt(v2, 0, serverVersion);
    if (!VersionFile::isUpdate(installed, offered)) {
        setStatus({QStringLiteral("No new updates available")});
        removeIfExists(DataPaths::serverVersionFile);
    } else if (!VersionFile::buildNameProblem(offered).isEmpty()) {
        setStatus({badVersionLine});
        removeIfExists(DataPaths::serverVersionFile);
    } else if (const QString folder = programFolderProblem(); !folder.isEmpty()) {
        // Said before a download that could never be installed.
        setStatus({QStringLiteral("New update available"), folder});
        removeIfExists(DataPaths::serverVersionFile);
    } else {
        setStatus({QStringLiteral("New update available"), QStringLiteral("Downloading")});
        uptime1->start();
    }
}

bool UpdatePanel::downloadBuild(const QString &build)
{
    const FlagScope running(m_programDownloading);
    setMarquee(false);
    FunctionProgressSink progress;
    progress.position = [this](int percent) { ProgressBar1->setValue(percent); };
    progress.text = [this](const QString &text) { DLstatus->setText(text); };
    progress.cancel = [this] { return m_closing; };
    const DownloadResult result = FtpDownloadFile(m_server.host, m_server.user, m_server.password, m_server.port,
                                                  m_server.programDir, build, build, progress, FTP.timeouts());
    if (!result.message.isEmpty())
        Messages::show(result.message);
    return result.done;
}

void UpdatePanel::uptime1Timer()
{
    guarded([&] {
        uptime1->stop();
        if (m_closing)
            return;
        const QString version = LineListFile::lineAt(v2, 0, DataPaths::serverVersionFile);
        const QString problem = VersionFile::buildNameProblem(version);
        if (!problem.isEmpty())
            throw DataError(problem);
        if (const QString folder = programFolderProblem(); !folder.isEmpty()) {
            setStatus({folder});
            return;
        }
        const QString build = VersionFile::buildName(version);
        // The download routine has shown its own message; the status lines stay as they are.
        if (!downloadBuild(build))
            return;
        // Closed while the last block arrived: nothing of the download stays.
        if (m_closing) {
            QFile::remove(build);
            return;
        }
        QString refused = ExecutableFormat::problem(build, QCoreApplication::applicationFilePath());
        if (refused.isEmpty())
            refused = signatureProblem(build);
        if (!refused.isEmpty()) {
            QFile::remove(build);
            removeIfExists(DataPaths::serverVersionFile);
            DLstatus->clear();
            setStatus({badVersionLine});
            return;
        }
        handOver();
    });
}

// Whoever can answer in the server's place could otherwise have any program started: a build is
// installed only with a valid signature by the trusted key beside it on the server.
QString UpdatePanel::signatureProblem(const QString &build)
{
    const QString signatureFile = BuildSignature::fileName(build);
    QString problem;
    try {
        const FlagScope busy(m_ftpBusy);
        logIn(m_server.programDir);
        FTP.Get(signatureFile, signatureFile, true);
        QFile signature(signatureFile);
        problem = signature.open(QIODevice::ReadOnly)
                      ? BuildSignature::checkFile(build, signature.read(4096), m_server.trustedKey)
                      : QStringLiteral("the build has no signature");
    } catch (const DataError &error) {
        problem = error.text();
    }
    QFile::remove(signatureFile);
    return problem;
}

void UpdatePanel::handOver()
{
    setStatus({QStringLiteral("Applying Update")});
    DLstatus->setText(QStringLiteral("Installing New Update"));
    // The version file keeps the installed version and the server's version file stays for the
    // updater, which records the new version only once the new build is in place and answers.
    FTP.Disconnect();
    if (!QProcess::startDetached(updaterPath(), {}, QDir::currentPath())) {
        DLstatus->clear();
        setStatus({updaterFailedLine});
        return;
    }
    emit closeProgramRequested();
}
