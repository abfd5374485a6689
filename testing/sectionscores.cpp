#include "testing/sectionscores.h"

#include "base/sessionstate.h"

using ProgressRecords::Section;

SectionScores::SectionScores(SessionState &state) : m_state(state) {}

// The state is shared by reference, so its counters can be handed out from a const member.
SectionScores::Counters SectionScores::counters(Section section) const
{
    switch (section) {
    case Section::RoadRules:
        return {m_state.rrscore, m_state.SpinRR, m_state.rrmax};
    case Section::VehicleControls:
        return {m_state.vcscore, m_state.SpinVC, m_state.vcmax};
    case Section::RoadSigns:
        break;
    }
    return {m_state.rsscore, m_state.SpinRS, m_state.rsmax};
}

int SectionScores::score(Section section) const
{
    return counters(section).score;
}
int SectionScores::storedScore(Section section) const
{
    return counters(section).stored;
}
int SectionScores::maximum(Section section) const
{
    return counters(section).maximum;
}

QStringList SectionScores::loadOrCreateProgress()
{
    const QString &name = m_state.learnerName;
    if (!ProgressRecords::progressExists(name))
        ProgressRecords::writeProgress(name, ProgressRecords::newProgress(name));
    return ProgressRecords::readProgress(name);
}

bool SectionScores::load()
{
    const QString &name = m_state.learnerName;
    if (ProgressRecords::progressExists(name)) {
        m_state.ListBox1 = ProgressRecords::readProgress(name);
        for (Section section : sections) {
            const Counters c = counters(section);
            c.stored = ProgressRecords::valueOf(m_state.ListBox1.at(ProgressRecords::progressLine(section)));
            c.score = c.stored;
        }
    } else {
        ProgressRecords::writeProgress(name, ProgressRecords::newProgress(name));
        m_state.ListBox1 = ProgressRecords::readProgress(name);
    }
    if (!ProgressRecords::maximaExist())
        return false;
    m_state.Maxcount = ProgressRecords::readMaxima();
    for (Section section : sections)
        counters(section).maximum =
            ProgressRecords::valueOf(m_state.Maxcount.at(ProgressRecords::maximumLine(section)));
    return true;
}

void SectionScores::reset()
{
    m_state.ListBox1 = loadOrCreateProgress();
    for (Section section : sections) {
        m_state.ListBox1[ProgressRecords::progressLine(section)] = QStringLiteral("0");
        const Counters c = counters(section);
        c.stored = 0;
        c.score = 0;
    }
}

void SectionScores::record(Section section)
{
    const Counters c = counters(section);
    c.stored = c.score;
    // A learner whose progress file went missing gets a new one rather than losing the answer.
    m_state.ListBox1 = loadOrCreateProgress();
    m_state.ListBox1[ProgressRecords::progressLine(section)] = QString::number(c.stored);
}

void SectionScores::saveProgress()
{
    ProgressRecords::writeProgress(m_state.learnerName, m_state.ListBox1);
}

std::optional<Section> SectionScores::countMaximum(const QString &code)
{
    const std::optional<Section> section = ProgressRecords::sectionOfCode(code);
    if (!section)
        return std::nullopt;
    const int counted = ++counters(*section).maximum;
    m_state.Maxcount = ProgressRecords::completeMaxima(m_state.Maxcount);
    m_state.Maxcount[ProgressRecords::maximumLine(*section)] = QString::number(counted);
    return section;
}

void SectionScores::saveMaxima()
{
    ProgressRecords::writeMaxima(ProgressRecords::completeMaxima(m_state.Maxcount));
}
