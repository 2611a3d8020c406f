#include "editors/common/EvalMethod.h"

#include "editors/common/TypedInput.h"
#include "editors/common/TextNumbers.h"
#include "frame/NumberFormat.h"

#include <QLabel>
#include <QLineEdit>

namespace EvalMethod {
namespace {

// A typed number as a whole number in the format "0" (halves away from zero).
std::optional<QString> typedWhole(const std::optional<QString>& typed) {
    const std::optional<float> number = typed ? TypedInput::Number(*typed) : std::nullopt;
    if (!number) return std::nullopt;
    return NumberFormat::Format(*number, QStringLiteral("0"));
}

// A typed number converted to an integer (halves to even).
std::optional<int> typedInteger(const std::optional<QString>& typed) {
    const std::optional<float> number = typed ? TypedInput::Number(*typed) : std::nullopt;
    if (!number) return std::nullopt;
    return TextNumbers::ToInteger(*number);
}

}  // namespace

QString Normalize(const QString& value) { return value == QLatin1String("NONE") ? QStringLiteral("0") : value; }

std::optional<QString> Compose(int method, bool withNumbers, const Fields& typed) {
    switch (method) {
    case Dynamic: {
        if (!withNumbers) return QStringLiteral("DYN");
        const std::optional<QString> diff = typedWhole(typed.diff);
        if (!diff) return std::nullopt;
        return QStringLiteral("DYN,") + *diff;
    }
    case LowPass: {
        if (!withNumbers) return QStringLiteral("PT1");
        const std::optional<QString> weight = typedWhole(typed.weight);
        const std::optional<QString> diff = typedWhole(typed.diff);
        const std::optional<QString> threshold = typedWhole(typed.threshold);
        if (!weight || !diff || !threshold) return std::nullopt;
        return QStringLiteral("PT1,%1,%2,%3").arg(*weight, *diff, *threshold);
    }
    case Mean: {
        if (!withNumbers) return QStringLiteral("MXN");
        std::optional<int> m = typedInteger(typed.mCount);
        std::optional<int> n = typedInteger(typed.nCount);
        if (!m || !n) return std::nullopt;
        // A mean over no values means nothing: 0 and 0 become the counts 5 and 2.
        if (*m == 0 && *n == 0) {
            m = 5;
            n = 2;
        }
        return QStringLiteral("MXN,%1,%2").arg(*m).arg(*n);
    }
    default:
        return QStringLiteral("0");
    }
}

Rows RowsOf(int method) {
    Rows rows;
    switch (method) {
    case Dynamic:
        rows.diff = 1;
        break;
    case LowPass:
        rows.weight = 1;
        rows.diff = 2;
        rows.threshold = 3;
        break;
    case Mean:
        rows.mCount = 1;
        rows.nCount = 2;
        break;
    default:
        break;
    }
    return rows;
}

}  // namespace EvalMethod

void EvalMethodFields::Layout(int method) const {
    const EvalMethod::Rows rows = EvalMethod::RowsOf(method);
    // The rows are where count M, count N and the threshold stand; those
    // three never move.
    const int labelY[] = {0, lblMCount->y(), lblNCount->y(), lblThreshold->y()};
    const int boxY[] = {0, txtMCount->y(), txtNCount->y(), txtThreshold->y()};
    const auto place = [&](std::initializer_list<QWidget*> labels, std::initializer_list<QWidget*> boxes, int row) {
        for (QWidget* label : labels) {
            label->setVisible(row > 0);
            if (row > 0) label->move(label->x(), labelY[row]);
        }
        for (QWidget* box : boxes) {
            box->setVisible(row > 0);
            if (row > 0) box->move(box->x(), boxY[row]);
        }
    };
    place({lblDiff}, {txtDiff, lblDiffPercent}, rows.diff);
    place({lblWeight}, {txtWeight}, rows.weight);
    place({lblThreshold}, {txtThreshold}, rows.threshold);
    place({lblMCount}, {txtMCount}, rows.mCount);
    place({lblNCount}, {txtNCount}, rows.nCount);
}

void EvalMethodFields::ShowTexts(const EvalMethod::Fields& shown) const {
    const auto show = [](QLineEdit* box, const std::optional<QString>& text) {
        if (text) box->setText(*text);
    };
    show(txtDiff, shown.diff);
    show(txtWeight, shown.weight);
    show(txtThreshold, shown.threshold);
    show(txtMCount, shown.mCount);
    show(txtNCount, shown.nCount);
}

EvalMethod::Fields EvalMethodFields::Typed() const {
    return {txtDiff->text(), txtWeight->text(), txtThreshold->text(), txtMCount->text(), txtNCount->text()};
}
