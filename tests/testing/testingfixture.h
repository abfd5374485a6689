#pragma once

#include "base/messages.h"
#include "base/sessionstate.h"
#include "controls/piegauge.h"
#include "testing/progresschart.h"
#include "testing/questionpage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// A fresh data directory that is the working directory while it lives.
class DataDir {
public:
    DataDir() : m_previous(QDir::currentPath())
    {
        if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
            qFatal("cannot enter a temporary data directory");
    }
    ~DataDir() { QDir::setCurrent(m_previous); }
    DataDir(const DataDir &) = delete;
    DataDir &operator=(const DataDir &) = delete;

    static void writeBytes(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(relative).path());
        QFile file(relative);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(relative));
        file.write(bytes);
    }
    static void writeLines(const QString &relative, const QStringList &lines)
    {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += line.toUtf8() + "\r\n";
        writeBytes(relative, bytes);
    }
    static QByteArray readBytes(const QString &relative)
    {
        QFile file(relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The lines of a file written with CRLF after every line; a missing file gives nothing.
    static QStringList readLines(const QString &relative)
    {
        QString text = QString::fromUtf8(readBytes(relative));
        if (text.isEmpty())
            return {};
        if (!text.endsWith(QStringLiteral("\r\n")))
            return {QStringLiteral("<no CRLF at end>"), text};
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }
    static bool exists(const QString &relative) { return QFileInfo::exists(relative); }

    static void writeQuestion(int number, const QString &key = QStringLiteral("a1"),
                              const QString &section = QStringLiteral("1"), const QString &picture = QStringLiteral("0"))
    {
        const QString n = QString::number(number);
        writeLines(QStringLiteral("Questions/%1.lrn").arg(n),
                   {QStringLiteral("Question ") + n, QStringLiteral("A. first ") + n, QStringLiteral("B. second ") + n,
                    QStringLiteral("C. third ") + n, QStringLiteral("1. one ") + n, QStringLiteral("2. two ") + n,
                    QStringLiteral("3. three ") + n, QStringLiteral("4. four ") + n, key, section, picture});
    }
    static void writeBank(int size)
    {
        for (int n = 1; n <= size; ++n)
            writeQuestion(n);
    }
    // The pictures the question page shows, each a different colour.
    static void writePictures(const QStringList &names = {QStringLiteral("quest"), QStringLiteral("correct"),
                                                           QStringLiteral("incorrect"), QStringLiteral("test"),
                                                           QStringLiteral("dot"), QStringLiteral("dot2")})
    {
        QDir().mkpath(QStringLiteral("images"));
        int hue = 0;
        for (const QString &name : names) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(hue, 255, 255));
            hue += 40;
            image.save(QStringLiteral("images/%1.png").arg(name));
        }
    }
    static void writeProgress(const QString &name, const QStringList &scores)
    {
        writeLines(QStringLiteral("doc/%1.lrn").arg(name), QStringList{name} + scores);
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The question page and the progress chart wired as the main window wires them.
struct Harness {
    SessionState state;
    QWidget menu;
    QTimer timer;
    ProgressChart chart{state, &timer, &menu};
    QuestionPage page{state, chart};
    int menuRequests = 0;

    Harness()
    {
        QObject::connect(&page, &QuestionPage::menuRequested, [this] { ++menuRequests; });
        menu.resize(1000, 702);
    }

    // A signed-in learner with a profile on course `course`.
    void signIn(const QString &name = QStringLiteral("Learner1"), const QString &course = QStringLiteral("lv"))
    {
        state.learnerName = name;
        state.ctype = course;
        state.RadioGroup1 = course == QStringLiteral("hv") ? 0 : course == QStringLiteral("lv") ? 1 : 2;
        state.Saver = {name, QStringLiteral("1"), course};
        DataDir::writeLines(name + QStringLiteral(".sav"), state.Saver);
    }

    // Shows question n by stepping to it from n - 1.
    void showQuestion(int n)
    {
        state.Qnumber = n - 1;
        page.SpeedButton2Click();
    }

    template <typename T = QLabel>
    T *child(const char *name) const
    {
        T *found = page.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            found = menu.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char *name) const { return child(name)->text(); }
    QString picture(const char *name) const { return child(name)->property("pictureFile").toString(); }

    // Runs the gauge run-down tick by tick until the timer stops; the number of ticks, or -1 when
    // it has not stopped after `limit` ticks.
    int runDown(int limit = 1000)
    {
        for (int ticks = 0; ticks < limit; ++ticks) {
            if (!timer.isActive())
                return ticks;
            chart.Timer1Timer();
        }
        return timer.isActive() ? -1 : limit;
    }
};
