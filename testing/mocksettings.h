#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The make-up of a mock test: questions and pass mark per section (rules of the road, vehicle
// controls, road signs) and the time limit. Official counts differ between sources, so a driving
// school can set them in the optional line list file "doc/mocktest.lrn": lines 0-2 the counts,
// lines 3-5 the pass marks, line 6 the minutes.
struct MockSettings {
    static constexpr int sectionCount = 3;
    static constexpr int maxQuestions = 200; // per section
    static constexpr int maxMinutes = 300;

    std::array<int, sectionCount> counts{28, 8, 28};
    std::array<int, sectionCount> passMarks{22, 6, 23};
    int minutes = 60;

    int totalQuestions() const { return counts[0] + counts[1] + counts[2]; }
};

// The file's stem in "doc"; a learner of this name would overwrite it with a progress file.
inline const QString mockSettingsStem = QStringLiteral("mocktest");
QString mockSettingsFile(); // "doc/mocktest.lrn"

// Section names as the learner reads them ("rules of the road" ...).
QString sectionName(int section);

struct LoadedMockSettings {
    MockSettings settings;
    // One sentence per line that was not usable and fell back to its default.
    QStringList problems;
};

// Reads the settings file. A missing file or missing lines give the defaults; a line that is not a
// whole number in its range gets its default (a pass mark never above its section's count) and
// is named in `problems`. An unreadable file is reported and gives the defaults.
LoadedMockSettings loadMockSettings();
LoadedMockSettings parseMockSettings(const QStringList &lines);
