#include "update/questioncount.h"

namespace QuestionCount {

int parse(const QString &line)
{
    const QString digits = line.trimmed();
    // At most six digits, so the value cannot overflow before the range check.
    if (digits.isEmpty() || digits.size() > 6)
        return 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            return 0;
    }
    const int count = digits.toInt();
    return count >= 1 && count <= Maximum ? count : 0;
}

} // namespace QuestionCount
