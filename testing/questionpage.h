#pragma once

#include "controls/page.h"

#include <QStringList>
#include <functional>

class ProgressChart;
class QGroupBox;
class QLabel;
class QPushButton;
struct SessionState;

// The question page: one question of the bank with its three statements, four options and a
// picture. Options are judged at once; practice mode shows the verdict, test mode counts the
// answer into the learner's section scores through the progress chart.
class QuestionPage : public Page {
    Q_OBJECT
public:
    QuestionPage(SessionState &state, ProgressChart &chart, QWidget *parent = nullptr);

    // Openings from the main menu: prepare the page and show the next question. They return false
    // when an error was reported and the learner belongs on the main menu; otherwise the window
    // shows this page (also when the question was missing and the menu was requested).
    bool openPractice(); // "Learners Questions": course banner, practice mode, NEXT
    bool openTest();     // "Test yourself": reset of the test results, test mode, NEXT

    // Hot spots and options. Each is a handler: errors are reported and the rest is skipped.
    void SpeedButton2Click();  // NEXT
    void SpeedButton11Click(); // BACK
    void SpeedButton1Click();  // the reset step BACK falls back to
    void SpeedButton3Click();  // MENU
    void A1aClick();
    void A2bClick();
    void A3cClick();
    void A4dClick();
    void Image11Click();
    void Image12Click();
    void Image13Click();
    void Image14Click();

    // The verdict on the question on screen for a right and a wrong option.
    void correct();
    void incorrect();

    // The lines of the question on screen.
    const QStringList &Questionbox() const { return m_questionbox; }

signals:
    // The learner goes back to the main menu page.
    void menuRequested();

protected:
    // Keys beside the mouse: 1-4 click the option markers, Right NEXT, Left BACK, Escape MENU.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void makeAnswerArea();
    void makeFooter();
    bool handle(const std::function<void()> &body);
    void next();
    void back();
    void resetStep();
    void choose(int option);
    void judgeCorrect();
    void judgeIncorrect();
    void recordAnswer(int change);
    void clearAnswerDisplay();
    void setStatementColour(const QColor &colour);
    void showQuestion(const QStringList &lines);
    bool learnerSignedIn() const;
    void storeQuestionNumber();

    SessionState &m_state;
    ProgressChart &m_chart;
    QStringList m_questionbox;
    // Set when the question file on the way could not be read, so the handler ends on the menu.
    bool m_unreadableQuestion = false;

    QGroupBox *GroupBox1;
    QLabel *Question;
    QLabel *Q1;
    QLabel *Q2;
    QLabel *Q3;
    QLabel *Label16;
    QWidget *Shape5;
    QLabel *markers[4]; // Image11 .. Image14
    QLabel *options[4]; // A1a, A2b, A3c, A4d
    QLabel *displayit;
    QLabel *MCpic;
    QLabel *lvpic;
    QLabel *info;
    QLabel *Label12;
    QLabel *Label13;
    QLabel *Label14;
    HotSpot *SpeedButton3;
    HotSpot *SpeedButton11;
    HotSpot *SpeedButton2;
    QPushButton *SpeedButton1;
};

// Shows a picture file in a picture box. A file that is missing or not a picture leaves the
// previous picture in place. The box's "pictureFile" property names the file it shows.
void showPictureFile(QLabel *box, const QString &path);
