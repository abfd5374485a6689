#pragma once

#include "base/sessionstate.h"

#include <QHash>
#include <QStackedWidget>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

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

// A page of the window, or a part of the main menu, built the first time it is reached through
// this pointer (a page also when it becomes the current page), so the window starts without
// building what the learner has not opened. Until then a bare placeholder with the page's object
// name holds the page's place in the page control.
template <class P>
class OnDemand {
public:
    OnDemand() = default;
    OnDemand(const OnDemand &) = delete;
    OnDemand &operator=(const OnDemand &) = delete;

    P *get() const
    {
        if (!m_page && m_make) {
            // The page is known before it is wired, so wiring may reach it through the slot.
            m_page = std::exchange(m_make, {})();
            if (m_wire)
                std::exchange(m_wire, {})(m_page);
        }
        return m_page;
    }
    P *operator->() const { return get(); }
    operator P *() const { return get(); }
    bool isBuilt() const { return m_page != nullptr; }
    const QString &objectName() const { return m_name; }

private:
    friend class TForm2;
    QString m_name;
    mutable P *m_page = nullptr;
    mutable std::function<P *()> m_make;
    mutable std::function<void(P *)> m_wire;
};

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
    OnDemand<ControlsPage> MotorcycleT, LightVT;
    OnDemand<SignsPage> Signs;
    OnDemand<RulePage> LearnersT, Cardinal, Driving, Responsibilities, Driverules;
    OnDemand<ExteriorPage> exterior;
    OnDemand<Page> heavyVT;
    OnDemand<DocumentViewer> RichEdit2; // the introduction, on the main menu
    OnDemand<MenuPage> MenuT;
    OnDemand<QuestionPage> QuestionT;
    OnDemand<LoginPage> Login;
    OnDemand<CoursePage> Course;
    OnDemand<MockTestPage> MockT; // after the fourteen pages of the design
    OnDemand<MyProgressPage> ProgressT;
    OnDemand<ProgressChart> chart;

    QTimer *Timer2;   // adverts, 5000 ms, always on
    QTimer *qdowload; // start of the question download, 1000 ms, one-shot
    QTimer *dlq;      // one question file per tick, 200 ms
    QTimer *uptime1;  // program download and hand-over, 5000 ms, one-shot
    QTimer *Timer1;   // gauge run-down, 1 ms

    // The update panel on the main menu (options, question and program updates).
    OnDemand<UpdatePanel> Panel2;

    // Main menu entries.
    void TextFader4Click();  // Road Signs / Signals
    void TextFader6Click();  // Controls
    void TextFader7Click();  // Defensive Driving
    void TextFader8Click();  // Exterior Inspection
    void TextFader9Click();  // Exit Program
    void TextFader11Click(); // Learners Questions
    void TextFader12Click(); // Test yourself
    void TextFader14Click(); // The Learner's Exam
    void TextFader15Click(); // Introduction
    void TextFader16Click(); // Cardinal Rules
    void TextFader17Click(); // Driving Rules
    void TextFader18Click(); // Driver Responsibilities
    void TextFader21Click(); // Interior Inpection
    void TextFader22Click(); // Options
    void MockTestClick();    // Mock Test
    void MyProgressClick();  // My Progress

    void Timer2Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    template <class P, class Make, class Wire>
    void arrange(OnDemand<P> &slot, const QString &name, Make make, Wire wire);
    void arrangePages(const UpdateServer &server);
    void buildPlaceholderShown(int index);
    void showMenu();
    void wireLogin(LoginPage *login);
    void arrangeMenu(const UpdateServer &server);
    void buildMenu(MenuPage *menu, const UpdateServer &server);
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
    bool m_advertDue = false;       // Timer2 fired before the menu was built
    QStringList m_installedVersion; // the version file's lines, read at start
    // How to build the page each placeholder stands for, should the placeholder become current.
    QHash<QWidget *, std::function<void()>> m_placeholders;
};
