#include "learner/loginpage.h"

#include "base/course.h"
#include "base/guard.h"
#include "base/messages.h"
#include "base/nameprompt.h"
#include "base/safename.h"
#include "base/sessionstate.h"
#include "controls/palette.h"
#include "controls/textfader.h"
#include "learner/profile.h"

#include <QEvent>
#include <QFocusEvent>
#include <QShortcut>
#include <QTimer>

LoginPage::LoginPage(SessionState &state, QWidget *parent)
    : Page(QStringLiteral("Login"), QStringLiteral("logintab"), QStringLiteral("Image29"), parent), m_state(state)
{
    // The window's start waits for this page. All its text is in one face, which the page has
    // from the start: the name field is laid out once, in its own font, before its text is set.
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(27);
    setFont(font);
    TextFader23 = makeFader(this, {.name = QStringLiteral("TextFader23"),
                                   .geometry = {63, 0, 248, 41},
                                   .lines = {QStringLiteral("Welcome")},
                                   .fontFamily = QStringLiteral("Arial Narrow"),
                                   .fontPixels = 32,
                                   .fontColor = Palette::maroon});
    TextFader24 = makeFader(this, {.name = QStringLiteral("TextFader24"),
                                   .geometry = {63, 47, 276, 42},
                                   .lines = {QStringLiteral("to Tarmika")},
                                   .fontFamily = QStringLiteral("Arial Narrow"),
                                   .fontPixels = 32,
                                   .fontColor = Palette::maroon});

    edit2 = new QLineEdit(this);
    edit2->setObjectName(QStringLiteral("edit2"));
    edit2->setGeometry(404, 365, 413, 37);
    edit2->setFrame(false);
    QPalette colours = edit2->palette();
    colours.setColor(QPalette::Base, Palette::lightBlue);
    colours.setColor(QPalette::Text, Qt::black);
    edit2->setPalette(colours);
    edit2->setText(LearnerName::prompt);
    edit2->installEventFilter(this);
    connect(edit2, &QLineEdit::textChanged, this, [this](const QString &text) { m_state.learnerName = text; });
    m_state.learnerName = edit2->text();

    SpeedButton21 = new HotSpot(QStringLiteral("SpeedButton21"), {920, 642, 65, 34}, this);
    connect(SpeedButton21, &HotSpot::clicked, this, &LoginPage::SpeedButton21Click);

    // The Enter key anywhere on the page presses this tiny default button.
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(1006, 698, 2, 2);
    Button3->setFocusPolicy(Qt::NoFocus);
    connect(Button3, &QPushButton::clicked, this, &LoginPage::Button3Click);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, Button3, &QPushButton::click);
    }
}

void LoginPage::selectPrompt()
{
    edit2->setFocus();
    edit2->selectAll();
}

bool LoginPage::eventFilter(QObject *watched, QEvent *event)
{
    // Auto-select: entering the field selects its whole text. A mouse press that gives the focus
    // would clear a selection made at once, so then it is made after the press; otherwise at once,
    // so that keys typed right away replace the text and are not themselves selected.
    if (watched == edit2 && event->type() == QEvent::FocusIn) {
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, edit2, &QLineEdit::selectAll);
        else
            edit2->selectAll();
    }
    return Page::eventFilter(watched, event);
}

void LoginPage::Button3Click()
{
    SpeedButton21->click();
}

void LoginPage::SpeedButton21Click()
{
    const QString name = edit2->text();
    if (name.isEmpty() || name == LearnerName::prompt) {
        Messages::show(QStringLiteral(
            "Please enter your name and click the next button on the bottom right or press the enter key"));
        return;
    }
    const QString problem = Profile::nameProblem(name);
    if (!problem.isEmpty()) {
        Messages::show(
            QStringLiteral("The name \"%1\" cannot be used: %2 Please enter another name.").arg(name, problem));
        return;
    }
    if (m_isReserved && m_isReserved(name)) {
        Messages::show(
            QStringLiteral("The name \"%1\" is used by the program's own files. Please enter another name.").arg(name));
        return;
    }
    guarded([&] {
        if (!signIn(name))
            return;
        emit signedIn(name);
    });
}

bool LoginPage::signIn(const QString &name)
{
    // A profile of the same name in another letter case is this learner's, so no second profile
    // differing only in case is made.
    if (Profile::exists(name)) {
        const QStringList lines = Profile::read(name);
        // Everything is checked before anything changes, so a damaged profile changes nothing.
        if (lines.size() < Profile::LineCount) {
            Messages::show(QStringLiteral("The profile \"%1\" is damaged: it holds %2 of its %3 lines. "
                                          "Ask for help or sign in with another name.")
                               .arg(Profile::path(name))
                               .arg(lines.size())
                               .arg(int(Profile::LineCount)));
            return false;
        }
        m_state.Saver = lines;
        m_state.Qnumber = Profile::resumeNumber(lines.at(Profile::QuestionLine));
        const int index = Course::indexOfCode(lines.at(Profile::CourseLine));
        if (index >= 0) {
            m_state.RadioGroup1 = index;
            m_state.ctype = Course::codeOfIndex(index);
        }
        emit learnersQuestionsRequested();
        return true;
    }
    const QStringList lines = Profile::newProfile(name);
    Profile::write(name, lines);
    m_state.Saver = lines;
    return true;
}
