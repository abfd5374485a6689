#include "testing/mockquestionview.h"

#include "controls/datapicture.h"
#include "controls/page.h"
#include "controls/palette.h"
#include "testing/mocktest.h"
#include "testing/mocktestpage.h"
#include "testing/questionbank.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// An option's "look" property picks its marking in this style sheet, so marking an option
// re-polishes the button instead of parsing a new style sheet.
const QString optionLooks =
    QStringLiteral("QPushButton { text-align: left; padding: 6px 10px; border: 2px solid #b8c4d8; border-radius: 6px;"
                   " background: white; color: black; }"
                   "QPushButton:hover { border-color: #800000; }"
                   "QPushButton[look=\"chosen\"] { background: #dbe6ff; border-color: #213599; font-weight: bold; }"
                   "QPushButton[look=\"right\"] { background: #d9f2d9; border-color: #1e7b1e; font-weight: bold; }"
                   "QPushButton[look=\"wrong\"] { background: #f9d6d6; border-color: #b00000; }");

} // namespace

MockQuestionView::MockQuestionView(const QString &prefix, QWidget *parent) : QWidget(parent)
{
    setObjectName(prefix + QStringLiteral("QuestionView"));
    resize(Width, Height);
    m_question =
        mockLabel(this, prefix + QStringLiteral("Question"), QRect(0, 0, Width, 78), 20, Palette::maroon, true);
    m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < 3; ++i) {
        m_statements[i] = mockLabel(this, prefix + QStringLiteral("Statement%1").arg(i + 1),
                                    QRect(0, 84 + 44 * i, Width, 42), 17, Qt::black);
        m_statements[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QFont optionFont(QStringLiteral("Arial"));
    optionFont.setPixelSize(17);
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(prefix + QStringLiteral("Option%1").arg(i + 1));
        button->setFont(optionFont);
        button->setGeometry(0, 230 + 60 * i, 560, 52);
        button->setCursor(Qt::PointingHandCursor);
        // The page keeps the keyboard: a focused button would swallow the arrow keys.
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(optionLooks);
        connect(button, &QPushButton::clicked, this, [this, i] { emit optionClicked(i + 1); });
        m_options[i] = button;
    }
    m_picture = new QLabel(this);
    m_picture->setObjectName(prefix + QStringLiteral("Picture"));
    m_picture->setAccessibleName(QStringLiteral("Question picture"));
    m_picture->setGeometry(580, 230, 340, 232);
    m_picture->setAlignment(Qt::AlignCenter);
}

void MockQuestionView::showQuestion(const MockQuestion &question, const QPixmap &picture)
{
    m_question->setText(question.text(QuestionBank::QuestionLine));
    const int statementLines[] = {QuestionBank::StatementA, QuestionBank::StatementB, QuestionBank::StatementC};
    for (int i = 0; i < 3; ++i)
        m_statements[i]->setText(question.text(statementLines[i]));
    for (int i = 0; i < 4; ++i)
        m_options[i]->setText(question.text(QuestionBank::Option1 + i));
    m_picture->setPixmap(picture);
}

void MockQuestionView::styleOption(int n, const QString &look)
{
    QPushButton *button = m_options[n - 1];
    if (button->property("look").toString() == look)
        return;
    button->setProperty("look", look);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

void MockQuestionView::markChosen(int option)
{
    for (int n = 1; n <= 4; ++n)
        styleOption(n, n == option ? QStringLiteral("chosen") : QString());
}

void MockQuestionView::markVerdict(int chosen, int right)
{
    for (int n = 1; n <= 4; ++n)
        styleOption(n, n == right ? QStringLiteral("right") : n == chosen ? QStringLiteral("wrong") : QString());
}

void MockQuestionView::setOptionsEnabled(bool enabled)
{
    for (QPushButton *button : m_options)
        button->setEnabled(enabled);
}

QSize MockQuestionView::pictureSize() const
{
    return m_picture->size();
}

void MockPictures::load(const QList<MockQuestion> &questions, const QSize &box)
{
    m_pictures.clear();
    for (const MockQuestion &q : questions) {
        const QString code = q.text(QuestionBank::PictureLine);
        if (m_pictures.contains(code))
            continue;
        QPixmap picture;
        switch (QuestionBank::pictureKind(code)) {
        case QuestionBank::PictureKind::Neutral:
            break;
        case QuestionBank::PictureKind::MotorcycleDiagram:
            picture = designPicture(QStringLiteral("diagram_m"));
            break;
        case QuestionBank::PictureKind::LightVehicleDiagram:
            picture = designPicture(QStringLiteral("diagram_lv"));
            break;
        // The code comes from a question file: it names a picture inside "images" or none.
        case QuestionBank::PictureKind::File:
            picture = dataPicture(QuestionBank::picturePath(code));
            break;
        }
        if (!picture.isNull())
            picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_pictures.insert(code, picture);
    }
}

QPixmap MockPictures::picture(const MockQuestion &question) const
{
    return m_pictures.value(question.text(QuestionBank::PictureLine));
}
