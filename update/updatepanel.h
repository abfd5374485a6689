#pragma once

#include "update/ftpclient.h"
#include "update/updateserver.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

class HotSpot;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTimer;
class TTextFader;

// The options panel of the main menu: Check for updates, About and Close, the status lines of
// every update, and the download of the question bank and of new program builds. The window's
// timers qdowload, dlq and uptime1 drive the downloads; the panel runs their handlers. One FTP
// client serves the question and version downloads and stays connected between them.
class UpdatePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 578;
    static constexpr int Height = 320;

    UpdatePanel(QTimer *qdowload, QTimer *dlq, QTimer *uptime1, const UpdateServer &server, QWidget *parent = nullptr);
    ~UpdatePanel() override;

    // Start-up found no question bank: shows the panel with its first status line and arms the
    // download, which starts when qdowload fires. deleteMaxCount drops the section maxima, which
    // belong to the bank that is gone.
    void openForQuestionDownload(bool deleteMaxCount);

    // Timer handlers.
    void qdowloadTimer(); // fetches the question count and starts the countdown
    // Fetches one question file per tick, from the highest number down. The countdown keeps its
    // own place: the question page's number is the learner's, never the download's.
    void dlqTimer();
    void uptime1Timer(); // downloads the new build and hands over to the updater

    // Entries of the panel.
    void SpeedButton7Click();  // Check for updates
    void SpeedButton19Click(); // About
    void SpeedButton20Click(); // Close

    // The window closes: a transfer under way ends at its next step, leaving no file of it, and
    // nothing further starts.
    void abandon();

    // The updater started at the hand-over; by default TarmikaUpdate in the program's own folder,
    // which is the folder the updater replaces the program in.
    QString updaterPath() const;
    void setUpdaterPath(const QString &path) { m_updaterPath = path; }

    // Timeouts of the FTP client and of the program download (tests shorten them).
    void setFtpTimeouts(const FtpCurl::Timeouts &timeouts) { FTP.setTimeouts(timeouts); }
    const FtpClient &ftp() const { return FTP; }

    // True while a question download, a program download or any FTP call is under way.
    bool downloadRunning() const;

    // The next question file the countdown fetches; 0 when it is not counting.
    int countdown() const { return m_countdown; }

    QStringList v1;      // lines of the version file
    QStringList v2;      // lines of the server's version file
    QStringList details; // lines of the question count file

signals:
    // The hand-over's last step: the updater has started and the program must close.
    void closeProgramRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    HotSpot *SpeedButton7;
    HotSpot *SpeedButton19;
    HotSpot *SpeedButton20;
    TTextFader *updatestatus;
    QLabel *DLstatus;
    QProgressBar *ProgressBar1;
    QPlainTextEdit *Memo1;

    void fetchCountAgain(const QString &countFile);
    void startCountdown(const QString &countFile);
    void checkVersions();
    void reportError(const QString &text);
    QString programFolderProblem() const;
    bool downloadBuild(const QString &build);
    QString signatureProblem(const QString &build);
    void logIn(const QString &serverDir);
    void noConnection();
    void setStatus(const QStringList &lines);
    void setMarquee(bool on);
    void endQuestionDownload(const QString &status);
    void handOver();

    QTimer *qdowload;
    QTimer *dlq;
    QTimer *uptime1;
    UpdateServer m_server;
    FtpClient FTP;
    QPixmap m_picture;
    QString m_updaterPath;
    bool m_programDownloading = false;
    bool m_ftpBusy = false;
    bool m_closing = false;
    int m_count = 0;     // files of the bank being fetched
    int m_countdown = 0; // the next of them to fetch
    QString m_pendingReport;
};
