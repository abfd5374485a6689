#pragma once

#include "controls/page.h"

#include <QLineEdit>
#include <QPushButton>
#include <functional>

struct SessionState;
class TTextFader;

// The sign-in page: the learner types a name; a new name gets a profile, a known name resumes.
class LoginPage : public Page {
    Q_OBJECT
public:
    explicit LoginPage(SessionState &state, QWidget *parent = nullptr);

    // Names whose progress file would be another data file of the program ("doc/<name>.lrn").
    void setReservedNames(std::function<bool(const QString &)> isReserved) { m_isReserved = std::move(isReserved); }

    void SpeedButton21Click();
    void Button3Click();

    // Selects the prompt text so that the first key typed replaces it.
    void selectPrompt();

signals:
    // A returning learner's profile was restored: run the steps of "Learners Questions".
    void learnersQuestionsRequested();
    // Sign-in succeeded: greet the learner by name and show the course page.
    void signedIn(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit2;
    HotSpot *SpeedButton21;
    QPushButton *Button3;
    TTextFader *TextFader23;
    TTextFader *TextFader24;

    bool signIn(const QString &name);

    SessionState &m_state;
    std::function<bool(const QString &)> m_isReserved;
};
