#pragma once

#include "base/nameprompt.h"

#include <QString>
#include <QStringList>

// State that several pages share for one run of the program. TForm2 owns the one instance and
// hands it by reference to the pages that need it. Hidden controls of the window that served as
// variables live here under their own names.
struct SessionState {
    // The learner's name: the text of the sign-in field edit2, kept in step with it.
    QString learnerName = LearnerName::prompt;

    // Course selection: item index of RadioGroup1 (items "hv", "lv", "m"); -1 when none.
    int RadioGroup1 = -1;
    // Course code, set when the course page is left and at a returning learner's sign-in.
    QString ctype;

    // Current question number (hidden spin edit, no bounds).
    int Qnumber = 0;
    // Answer mode (items "test", "free"): index 1 is practice, any other index test mode.
    int mode = -1;

    // Lines of the current learner's profile.
    QStringList Saver;

    // Answer flags of the question on screen and its section code.
    int a = 0, b = 0, c = 0, d = 0;
    QString cattype;

    // Section scores of the current test run and their spin edits.
    int rrscore = 0, vcscore = 0, rsscore = 0;
    int SpinRR = 0, SpinVC = 0, SpinRS = 0;

    // Section maxima while counting, and the in-memory section maximum file.
    int rrmax = 0, vcmax = 0, rsmax = 0;
    QStringList Maxcount{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};

    // In-memory copy of the learner's progress file.
    QStringList ListBox1;

    bool practiceMode() const { return mode == 1; }
    QString progressFileName() const { return QStringLiteral("doc/") + learnerName + QStringLiteral(".lrn"); }
};
