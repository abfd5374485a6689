#pragma once

#include <QString>
#include <QStringList>

// The pictures of "images" the question page shows whatever the question: the neutral question picture,
// the two option markers and the three verdicts ("images/" + name + ".png").
namespace QuestionPictures {
inline const QString neutral = QStringLiteral("quest");
inline const QString marker = QStringLiteral("dot");
inline const QString chosenMarker = QStringLiteral("dot2");
inline const QString correct = QStringLiteral("correct");
inline const QString incorrect = QStringLiteral("incorrect");
inline const QString testMode = QStringLiteral("test");
inline QStringList all()
{
    return {neutral, marker, chosenMarker, correct, incorrect, testMode};
}
} // namespace QuestionPictures
