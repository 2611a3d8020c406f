#include "editors/common/ValueForms.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <limits>

namespace ValueForms {

QString ListEntry(int first, int last) {
    QStringList numbers;
    for (int number = first; number <= last; ++number) numbers.append(QString::number(number));
    return QStringLiteral("(?:") + numbers.join(QLatin1Char('|')) + QLatin1Char(')');
}

bool Fits(const QString& value, const QString& form) {
    const QRegularExpression whole(QRegularExpression::anchoredPattern(form));
    if (!whole.match(value).hasMatch()) return false;
    static const QRegularExpression number(Decimal);
    constexpr double largest = std::numeric_limits<qint32>::max();
    for (auto it = number.globalMatch(value); it.hasNext();)
        if (std::fabs(it.next().captured().toDouble()) > largest) return false;
    return true;
}

}  // namespace ValueForms
