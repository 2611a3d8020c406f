#pragma once
#include "editors/common/DipSwitches.h"

#include <QRect>
#include <array>
#include <initializer_list>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// Creating the controls of an editor window at their design places. Names
// are the design names (the language file and the window keys use them);
// texts are UTF-8.
namespace EditorControls {

// The columns of a frame's rows, in pixels of the frame: a caption, the value
// and its unit; every row is height high.
struct RowColumns {
    int labelX, labelWidth, valueX, valueWidth, unitX, unitWidth, height;
    QRect Label(int top) const { return {labelX, top, labelWidth, height}; }
    QRect Value(int top) const { return {valueX, top, valueWidth, height}; }
    QRect Unit(int top) const { return {unitX, top, unitWidth, height}; }
};

// The columns of the narrow frames down an editor's left side (measurement,
// evaluation, inclination), 221 pixels wide in every line's design. The
// longest captions there ("Schallgeschwindigkeit", "Reduzierte Reichweite",
// "Ausschaltverzögerung") end a clear gap before their values.
constexpr RowColumns NarrowFrameColumns(int rowHeight) { return {6, 118, 126, 54, 183, 32, rowHeight}; }

// A captioned frame at a place given in twips.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect twips);
// The other controls at places given in pixels of their frame.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QRect rect);
// A member of a control array: the array's name and its index.
QLabel* MakeArrayLabel(QWidget* parent, const char* name, int index, const char* text, QRect rect);
// A framed, right-aligned label that shows a value the sensor computed.
QLabel* MakeDisplayLabel(QWidget* parent, const char* name, QRect rect);
QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect rect);
// A drop-down list, with no entry selected until a value is shown.
QComboBox* MakeList(QWidget* parent, const char* name, std::initializer_list<const char*> items, QRect rect);
// A frame without caption that draws a separating line (Frame1 and its index).
QGroupBox* MakeSeparator(QWidget* parent, int index, QRect rect);

// Selects a list's entry as a value shows it; an index outside the list (or
// none) leaves the list as it was, where Qt would clear the selection.
void SelectEntry(QComboBox* list, std::optional<int> index);

// The design's widths were made for a narrower font than the one the window
// shows: a label, list or option whose text does not fit is widened to its
// text (a right-aligned label keeps its right edge). Nothing else moves and
// nothing shrinks. FitAllToText does this for every such control of a window,
// hidden ones included; call it again after the texts change.
void FitToText(QWidget* control);
void FitAllToText(QWidget* window);

// The DIP-switch picture with "ON" to its left and the switch numbers 1 to
// 9 and 0 under the switches.
struct DipSwitchPicture {
    DipSwitchView* picDips = nullptr;
    QLabel* lblDipOn = nullptr;
    std::array<QLabel*, DipSwitches::Count> lblDipCount{};
};
DipSwitchPicture MakeDipSwitchPicture(QWidget* parent, QPoint topLeft, int switchWidth);

}  // namespace EditorControls
