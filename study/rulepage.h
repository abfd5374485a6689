#pragma once

#include "controls/page.h"
#include "study/rulepagelayout.h"

#include <QColor>
#include <QFont>
#include <QStringList>

class QLabel;
class QScrollArea;
class StudyListBox;
class TTextFader;

// The study pages built on one pattern: a list of topic titles, one study text per topic, a label
// that shows the chosen topic's text, and optionally a picture chosen by the topic's row, a fixed
// illustration and a banner.
class RulePage : public Page {
    Q_OBJECT
public:
    using Kind = RulePageLayout::Kind;

    // The layout with the page's fonts and colours.
    struct Look : RulePageLayout::Layout {
        QFont topicFont;
        QColor topicColour;
        QFont textFont;
        QColor bannerColour;
    };

    static Look look(Kind kind);

    explicit RulePage(Kind kind, QWidget *parent = nullptr);
    explicit RulePage(const Look &pageLook, QWidget *parent = nullptr);

    // What the menu entry does after its check: the first topic's text, with the picture and
    // banner left as the last visit left them. The window switches to the page.
    void open();

    // The learner chose the topic in the current row of the topic list.
    void topicClicked();
    // The page's own name for it: ListBox7Click, ListBox5Click, ListBox9Click, ListBox11Click or
    // ListBox3Click.
    QString topicHandlerName() const { return m_look.topicListName + QStringLiteral("Click"); }

    // The row of the topic with this title, ignoring case and a trailing blank; -1 when none.
    int topicRow(const QString &title) const;
    // Selects a topic's row, brings it into view and shows it, as the learner's choice does.
    void chooseTopic(int row);

    // The hidden text list: row i holds the text of topic i.
    const QStringList &texts() const;
    QString textListName() const { return m_look.textListName; }
    // Row of the hidden text list that goes with the topic shown; -1 before the first topic.
    int textRow() const { return m_textRow; }
    const Look &pageLook() const { return m_look; }

signals:
    void menuRequested();

private:
    void showText(int row);

    Look m_look;
    QStringList m_titles;
    mutable QStringList m_texts; // read at their first use: most pages are never opened
    mutable bool m_textsRead = false;
    int m_textRow = -1;
    StudyListBox *m_topics;
    QScrollArea *m_textScroll;
    QLabel *m_text;
    QLabel *m_picture = nullptr;
    QLabel *m_fixedPicture = nullptr;
    TTextFader *m_banner = nullptr;
    HotSpot *m_back;
};
