#pragma once

#include <QString>

namespace LearnerName {

// What the sign-in field shows until the learner types a name. It is never a learner's name: the
// sign-in, the menu's entry check and the question page all refuse it.
inline const QString prompt = QStringLiteral("Enter your name here");

} // namespace LearnerName
