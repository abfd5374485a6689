#pragma once

#include "base/messages.h"
#include "base/sessionstate.h"
#include "controls/piegauge.h"
#include "testing/progresschart.h"
#include "testing/questionpage.h"
#include "tests/support/tempdatadir.h"

#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QtTest>

// The pictures the question page shows, each written in a different colour in this order.
inline const QStringList questionPagePictures{QStringLiteral("quest"),     QStringLiteral("correct"),
                                              QStringLiteral("incorrect"), QStringLiteral("test"),
                                              QStringLiteral("dot"),       QStringLiteral("dot2")};

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
        // The data directory is the working directory.
        QFile profile(name + QStringLiteral(".sav"));
        if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the profile of %s", qPrintable(name));
        profile.write((state.Saver.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
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
