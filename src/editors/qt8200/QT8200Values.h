#pragma once
#include <QString>
#include <optional>

// The QT8200 encodings that are the line's own: the switching behaviour of
// its outputs (OM) and the two-part evaluation method (EM). The plain numbers
// and lists are ValueTexts.
namespace QT8200Values {

// OM: one digit per output, "2" normally open and "3" normally closed; the
// list index is the digit - 2. The analogue variant has the first digit only.
struct SwitchModes {
    int output1 = -1;   // list index; outside the list when the digit is no mode
    int output2 = -1;
};
SwitchModes ShowSwitchModes(const QString& value);
// Nothing while a list has no entry selected.
std::optional<QString> ComposeSwitchModes(int output1, int output2, bool analog);

// EM: "first,second". The first field is the dynamic or weighted evaluation
// (the editor writes DYN1, BEW1 or OFF; the sensor reports DYN and BEW); the
// second the static evaluation over a count of 3 to 255 ("003"), the
// averaging one over 2 to 4 values ("M2") or none ("M0", reported as a count
// of 0).
enum FirstMethod { NoFirstMethod = 0, Dynamic = 1, Weighted = 2 };
enum SecondMethod { NoSecondMethod = 0, Static = 1, Averaging = 2 };

struct EvalMethod {
    int first = NoFirstMethod;    // cmbEvalMethod1's index
    int second = NoSecondMethod;  // cmbEvalMethod2's index
    QString count;                // txtMeasureCount
};
EvalMethod ShowEvalMethod(const QString& value);

struct ComposedEvalMethod {
    QString first;
    QString second;
    // A count outside the method's range is replaced in its field by the
    // method's smallest count.
    std::optional<QString> replacedCount;
    QString Value() const { return first + QLatin1Char(',') + second; }
};
ComposedEvalMethod ComposeEvalMethod(int first, int second, const QString& countText);

}  // namespace QT8200Values
