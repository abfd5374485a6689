#pragma once

#include "testing/progressrecords.h"

#include <QString>
#include <optional>

struct SessionState;

// The learner's section scores and the section maxima: the counters of the shared state with the
// progress file and the section maximum file behind them. Each section has its running score of
// the test, the stored score its gauge shows (the hidden spin edit) and its maximum.
//
// The steps throw DataError when a file cannot be read or written; a step that reads does so
// before it changes anything, so a caller's guard can skip the rest of its handler.
class SectionScores {
public:
    using Section = ProgressRecords::Section;
    static constexpr Section sections[] = {Section::RoadRules, Section::VehicleControls, Section::RoadSigns};

    explicit SectionScores(SessionState &state);

    int score(Section section) const;
    int storedScore(Section section) const;
    int maximum(Section section) const;

    // Reads the learner's progress into the counters (creating the file for a new learner, whose
    // counters keep what they hold), then the section maxima when their file exists. Returns
    // whether the maxima were read.
    bool load();

    // Sets the stored scores and the counters to 0 in memory; saveProgress() writes them.
    void reset();

    // Takes the section's running score as its stored score, into the progress read afresh;
    // saveProgress() writes it.
    void record(Section section);
    void saveProgress();

    // Counts the question just shown into its section's maximum; the section, or nothing for a
    // code other than "1".."3".
    std::optional<Section> countMaximum(const QString &code);
    void saveMaxima();

private:
    struct Counters {
        int &score;
        int &stored;
        int &maximum;
    };
    Counters counters(Section section) const;
    // The progress list read afresh; a missing file is created first, as for a new learner.
    QStringList loadOrCreateProgress();

    SessionState &m_state;
};
