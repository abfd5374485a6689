#pragma once

#include "controls/page.h"

#include <QLabel>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPushButton>

struct SessionState;
class TTextFader;

// The main menu: the entry column on the right, greeting and course banner, the Options entry, the
// agents banner, the advert, the build label and the hidden progress loader. What each entry opens
// is wired by the main window.
class MenuPage : public Page {
    Q_OBJECT
public:
    explicit MenuPage(SessionState &state, QWidget *parent = nullptr);

    // The entry check of most entries: a name entered and a course chosen. Shows the message that
    // fits and returns false when the entry may not open. "Defensive Driving" words its no-course
    // message with a capital letter.
    bool gate(bool capitalised = false) const;

    void TextFader25Click();

    // The entries by object name ("TextFader4" ...).
    TTextFader *entry(const QString &name) const { return m_entries.value(name); }

    // The box the adverts are shown in.
    QLabel *advertBox() const { return advert; }

    // Shows the learner's greeting on one line of its banner.
    void greet(const QString &greeting);
    // Shows the chosen course: its three icons (light, heavy, motorcycle) and its two banners.
    void showCourse(const QList<QPixmap> &icons, const QString &courseBanner, const QString &controlsBanner);
    // Clicks the progress loader once, then retires it for good.
    void loadProgressOnce();

signals:
    // The hidden progress loader was clicked.
    void progressLoaderClicked();

private:
    QLabel *Shape6;
    TTextFader *TextFader4, *TextFader6, *TextFader7, *TextFader8, *TextFader9, *TextFader11, *TextFader12,
        *TextFader14, *TextFader15, *TextFader16, *TextFader17, *TextFader18, *TextFader21;
    TTextFader *TextFader22;   // Options
    TTextFader *MockTestEntry; // Mock Test, on the row of Options
    TTextFader *MyProgressEntry;
    TTextFader *TextFader25; // agents banner
    TTextFader *TextFader26; // greeting
    TTextFader *TextFader3;  // course banner
    QLabel *advert;
    QLabel *ver;
    QPushButton *Button1;               // progress loader
    QLabel *Image5, *Image19, *Image20; // course icons: light, heavy, motorcycle
    QLabel *Label40, *Label41, *Label42;

    void makeEntryColumn();
    void makeHeadings();
    void makeCourseCorner();
    void hover(TTextFader *entry, const QColor &leaveColour);

    SessionState &m_state;
    QMap<QString, TTextFader *> m_entries;
};
