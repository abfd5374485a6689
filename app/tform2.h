#pragma once

#include "base/sessionstate.h"

#include <QStackedWidget>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

class Page;
class LoginPage;
class CoursePage;
class MenuPage;
class QuestionPage;
class MockTestPage;
class MyProgressPage;
struct StudyLink;
class ProgressChart;
class SignsPage;
class RulePage;
class ControlsPage;
class ExteriorPage;
class DocumentViewer;
class TTextFader;
class UpdatePanel;
struct UpdateServer;
class Adverts;

// The main window: one page control whose tabs are hidden, the window's timers, and the state the
// pages share. It composes the pages and wires the steps that cross from one page to another.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 1008;
    static constexpr int ClientHeight = 730;

    // The update server is the compiled-in one; tests hand in their own.
    explicit TForm2(QWidget *parent = nullptr);
    explicit TForm2(const UpdateServer &server, QWidget *parent = nullptr);
    ~TForm2() override;

    SessionState &state() { return m_state; }

    // Makes a page the active page of PageControl1.
    void showPage(QWidget *page);
    QWidget *activePage() const { return PageControl1->currentWidget(); }

    QStackedWidget *PageControl1;
    ControlsPage *MotorcycleT, *LightVT;
    SignsPage *Signs;
    RulePage *LearnersT, *Cardinal, *Driving, *Responsibilities, *Driverules;
    ExteriorPage *exterior;
    Page *heavyVT;
    DocumentViewer *RichEdit2;   // the introduction, on the main menu
    MenuPage *MenuT;
    QuestionPage *QuestionT;
    LoginPage *Login;
    CoursePage *Course;
    MockTestPage *MockT;   // after the fourteen pages of the design
    MyProgressPage *ProgressT;
    ProgressChart *chart;

    QTimer *Timer2;    // adverts, 5000 ms, always on
    QTimer *qdowload;  // start of the question download, 1000 ms, one-shot
    QTimer *dlq;       // one question file per tick, 200 ms
    QTimer *uptime1;   // program download and hand-over, 5000 ms, one-shot
    QTimer *Timer1;    // gauge run-down, 1 ms

    // The update panel on the main menu (options, question and program updates).
    UpdatePanel *Panel2;

    // Main menu entries.
    void TextFader4Click();    // Road Signs / Signals
    void TextFader6Click();    // Controls
    void TextFader7Click();    // Defensive Driving
    void TextFader8Click();    // Exterior Inspection
    void TextFader9Click();    // Exit Program
    void TextFader11Click();   // Learners Questions
    void TextFader12Click();   // Test yourself
    void TextFader14Click();   // The Learner's Exam
    void TextFader15Click();   // Introduction
    void TextFader16Click();   // Cardinal Rules
    void TextFader17Click();   // Driving Rules
    void TextFader18Click();   // Driver Responsibilities
    void TextFader21Click();   // Interior Inpection
    void TextFader22Click();   // Options
    void MockTestClick();      // Mock Test
    void MyProgressClick();    // My Progress

    void Timer2Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void wirePages();
    void courseSelected(int index);
    void courseConfirmed();
    void greet(const QString &name);
    void hideDocumentViewer();
    void openRulePage(RulePage *page);
    RulePage *rulePageOf(const StudyLink &link, int *row) const;
    void openStudy(const StudyLink &link);
    void FormCreate();

    SessionState m_state;
    std::unique_ptr<Adverts> m_adverts;
};
