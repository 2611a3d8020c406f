#pragma once
#include <QString>
#include <QWidget>
#include <array>
#include <initializer_list>

class QComboBox;

// The sensor's ten DIP switches as its DIP value tells them: the first two
// hex digits are switches 1 to 8 (bit 7 is switch 1), a third hex digit other
// than 0 turns switch 9 on, and switch 10 is always off. Digits that are no
// hex digits end the number, as in the sensor's own texts.
namespace DipSwitches {

// The form of the DIP value (ValueForms): hex digits.
inline const QString Form = QStringLiteral("[0-9A-Fa-f]+");

constexpr int Count = 10;
std::array<bool, Count> States(const QString& dipValue);

// While the switches are in use (entry 1 of the editor's use list,
// cmbUseDip) they set the first output's switch point and mode and those of
// the second switch output, or the analogue output's limits where the sensor
// has that output in its place: the controls of those values are greyed.
void ShowUse(const QComboBox* useList, std::initializer_list<QWidget*> firstOutput,
             std::initializer_list<QWidget*> secondOutput, std::initializer_list<QWidget*> analogOutput, bool analog);

}  // namespace DipSwitches

// The DIP-switch picture (picDips): ten switches side by side, each half as
// wide as the picture is high, the upper half filled for a switch that is on.
class DipSwitchView : public QWidget {
    Q_OBJECT
public:
    explicit DipSwitchView(QWidget* parent = nullptr);

    void SetValue(const QString& dipValue);
    const std::array<bool, DipSwitches::Count>& States() const { return states_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<bool, DipSwitches::Count> states_{};
};
