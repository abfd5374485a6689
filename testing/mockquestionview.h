#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
struct MockQuestion;

// One mock test question as the learner reads it: the question, its three statements, four
// option buttons and its picture, shown whole and scaled to fit its box. Shared by the test, the
// review and the drill.
class MockQuestionView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 920;
    static constexpr int Height = 470;

    // `prefix` names the controls ("Mock" gives MockQuestion, MockOption1 ...).
    explicit MockQuestionView(const QString &prefix, QWidget *parent = nullptr);

    // Shows a question with its picture; the markings stay until marked anew.
    void showQuestion(const MockQuestion &question, const QPixmap &picture);
    // Marks the learner's choice (0: none).
    void markChosen(int option);
    // Marks the right option green and a different choice red, as the review and the drill do.
    void markVerdict(int chosen, int right);
    void setOptionsEnabled(bool enabled);

    // The size of the picture box, which pictures are scaled to fit.
    QSize pictureSize() const;

signals:
    void optionClicked(int option);

private:
    void styleOption(int n, const QString &look);

    QLabel *m_question;
    QLabel *m_statements[3];
    QPushButton *m_options[4];
    QLabel *m_picture;
};

// The pictures of a set of questions, read and scaled once so stepping between questions reads no
// file. Picture code "0" has none; "m" and "lv" are the controls diagrams of the program's design.
class MockPictures {
public:
    void load(const QList<MockQuestion> &questions, const QSize &box);
    QPixmap picture(const MockQuestion &question) const;

private:
    QHash<QString, QPixmap> m_pictures;
};
