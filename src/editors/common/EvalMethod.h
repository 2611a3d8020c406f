#pragma once
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;

// The evaluation method of the compensated lines (EM): "0" for none (the
// sensor answers "NONE"), or a method word with its numbers: "DYN,d"
// (dynamic, deviation), "PT1,w,d,t" (low-pass: weight, deviation,
// threshold), "MXN,m,n" (mean of m values, n of them discarded). The list
// entry is the method: 0 none, 1 dynamic, 2 low-pass, 3 mean.
namespace EvalMethod {

enum Method { None = 0, Dynamic = 1, LowPass = 2, Mean = 3 };

// The method's fields as the user typed them or as they are shown.
struct Fields {
    std::optional<QString> diff;
    std::optional<QString> weight;
    std::optional<QString> threshold;
    std::optional<QString> mCount;
    std::optional<QString> nCount;
};

// A value as the window shows it: the list entry and the fields of that
// method; fields of other methods keep their texts.
struct Shown {
    int method = None;
    Fields fields;
};

// The sensor's "NONE" is kept as "0".
QString Normalize(const QString& value);

// The form of the value (ValueForms): a method word with up to its numbers.
inline const QString Form = QStringLiteral("0|NONE|DYN(,-?[0-9]+)?|PT1(,-?[0-9]+){0,3}|MXN(,-?[0-9]+){0,2}");

// withNumbers False composes the method word alone (the list was chosen, and
// the sensor answers with its own numbers for it). Nothing when a field
// needed is empty or no number. A list without a selection means none.
std::optional<QString> Compose(int method, bool withNumbers, const Fields& typed);

// The row (1 to 3, 0 = hidden) of each field for a method.
struct Rows {
    int diff = 0;
    int weight = 0;
    int threshold = 0;
    int mCount = 0;
    int nCount = 0;
};
Rows RowsOf(int method);

}  // namespace EvalMethod

// An editor's method fields. Count M stays in the first row, count N in the
// second and the threshold in the third; the deviation moves to the first
// or second row and the weight shares the first. Only the fields of the
// chosen method are shown.
struct EvalMethodFields {
    QLabel* lblDiff;
    QLineEdit* txtDiff;
    QLabel* lblDiffPercent;
    QLabel* lblWeight;
    QLineEdit* txtWeight;
    QLabel* lblThreshold;
    QLineEdit* txtThreshold;
    QLabel* lblMCount;
    QLineEdit* txtMCount;
    QLabel* lblNCount;
    QLineEdit* txtNCount;

    void Layout(int method) const;
    // Shows the fields a value gives; the others keep their texts.
    void ShowTexts(const EvalMethod::Fields& shown) const;
    EvalMethod::Fields Typed() const;
};
