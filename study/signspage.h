#pragma once

#include "controls/page.h"

class QLabel;
class StudyListBox;
class TTextFader;

// The road-sign browser: a fixed list of sign categories, the signs of the chosen category read
// from its sign list file, and the picture and caption of the chosen sign. A sign's picture is
// found by its category and row, never by its caption.
class SignsPage : public Page {
    Q_OBJECT
public:
    explicit SignsPage(QWidget *parent = nullptr);

    // What the menu entry does after its check: the first category, its signs and the general
    // road-sign picture, whatever the previous visit left. The window switches to the page.
    void open();

    // The learner chose a category, or a sign.
    void ListBox2Click();
    void discboxClick();

    // "doc/" + category + ".lrn"
    static QString signListFile(const QString &category);

signals:
    void menuRequested();

private:
    StudyListBox *ListBox2;  // the categories
    StudyListBox *discbox;   // the signs of the chosen category, in file order
    QLabel *Sign;            // the picture
    QLabel *Label2;          // the caption of the last sign chosen
    TTextFader *TextFader13; // the banner: the chosen category
    HotSpot *SpeedButton5;   // back to the main menu

    void categorySteps();
};
