// Building CompensatedEditorWindow's shared frames at the places an editor
// gives, and binding their controls to the editor rules and quick help.
#include "editors/common/CompensatedEditorWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace EditorControls;

void CompensatedEditorWindow::BuildMeasurementFrame(QRect twips, const RowColumns& columns,
                                                    const MeasurementTops& tops) {
    frameMeasurement = MakeFrame(this, "frameMeasurement", "Messung", twips);
    QWidget* f = frameMeasurement;
    const RowColumns& c = columns;
    lblSound = MakeLabel(f, "lblSound", "Schallgeschwindigkeit", c.Label(tops.sound));
    lbSound = MakeDisplayLabel(f, "lbSound", c.Value(tops.sound));
    lblms[0] = MakeArrayLabel(f, "lblms", 0, "m/s", c.Unit(tops.sound));
    lblSound0 = MakeLabel(f, "lblSound0", "bei 0°C", c.Label(tops.sound0));
    txtSound = MakeTextBox(f, "txtSound", c.Value(tops.sound0));
    lblms[1] = MakeArrayLabel(f, "lblms", 1, "m/s", c.Unit(tops.sound0));
    lblTemperatureOffset = MakeLabel(f, "lblTemperatureOffset", "Temperatur Offset", c.Label(tops.offset));
    lbTemperatureOffset = MakeDisplayLabel(f, "lbTemperatureOffset", c.Value(tops.offset));
    lblTemp[0] = MakeArrayLabel(f, "lblTemp", 0, "°C", c.Unit(tops.offset));
    lblTemperature = MakeLabel(f, "lblTemperature", "Temperatur", c.Label(tops.temperature));
    txtTemperature = MakeTextBox(f, "txtTemperature", c.Value(tops.temperature));
    lblTemp[1] = MakeArrayLabel(f, "lblTemp", 1, "°C", c.Unit(tops.temperature));
    lblReferenceDis = MakeLabel(f, "lblReferenceDis", "Referenz Distanz", c.Label(tops.reference));
    txtReferenceDis = MakeTextBox(f, "txtReferenceDis", c.Value(tops.reference));
    lblReferenceDisMM = MakeLabel(f, "lblReferenceDisMM", "mm", c.Unit(tops.reference));
    lblBurst = MakeLabel(f, "lblBurst", "Taktzeit", c.Label(tops.burst));
    txtBurst = MakeTextBox(f, "txtBurst", c.Value(tops.burst));
    lblCycle = MakeLabel(f, "lblCycle", "Offset Zykluszeit", c.Label(tops.cycle));
    txtCycle = MakeTextBox(f, "txtCycle", c.Value(tops.cycle));
    lblCycleTime[2] = MakeArrayLabel(f, "lblCycleTime", 2, "ms", c.Unit(tops.cycle));
}

void CompensatedEditorWindow::BuildEvaluateFrame(QRect twips, const RowColumns& columns,
                                                 const std::array<int, 3>& tops) {
    frameEvaluate = MakeFrame(this, "frameEvaluate", "Auswertung", twips);
    QWidget* f = frameEvaluate;
    const RowColumns& c = columns;
    lblFiltertimeout = MakeLabel(f, "lblFiltertimeout", "Filter Timeout", c.Label(tops[0]));
    txtFiltertimeout = MakeTextBox(f, "txtFiltertimeout", c.Value(tops[0]));
    lblConFilter = MakeLabel(f, "lblConFilter", "Konservatives Filter", c.Label(tops[1]));
    txtConFilter = MakeTextBox(f, "txtConFilter", c.Value(tops[1]));
    lblBlindrange = MakeLabel(f, "lblBlindrange", "Blindbereich", c.Label(tops[2]));
    txtBlindrange = MakeTextBox(f, "txtBlindrange", c.Value(tops[2]));
    lblMMBlindrange = MakeLabel(f, "lblMMBlindrange", "mm", c.Unit(tops[2]));
}

void CompensatedEditorWindow::BuildEvalMethodFrame(QRect twips, const EvalMethodPlaces& places) {
    frameEvalMethod = MakeFrame(this, "frameEvalMethod", "Auswertemethode", twips);
    QWidget* f = frameEvalMethod;
    cmbEvalMethod = MakeList(f, "cmbEvalMethod", {"Keine", "Dynamisch", "Tiefpass", "Mittelwert"}, places.list);
    // Weight, count M and deviation share the first row, count N is in the
    // second, the threshold in the third; the method shows and moves them.
    const auto label = [&places](int row) { return places.label.translated(0, places.rowStep * row); };
    const auto box = [&places](int row) { return places.box.translated(0, places.rowStep * row); };
    EvalMethodFields& m = MethodFields;
    m.lblWeight = MakeLabel(f, "lblWeight", "Gewicht", label(0));
    m.txtWeight = MakeTextBox(f, "txtWeight", box(0));
    m.lblMCount = MakeLabel(f, "lblMCount", "Messwerte", label(0));
    m.txtMCount = MakeTextBox(f, "txtMCount", box(0));
    m.lblDiff = MakeLabel(f, "lblDiff", "Abweichung", label(0));
    m.txtDiff = MakeTextBox(f, "txtDiff", box(0));
    m.lblDiffPercent = MakeLabel(f, "lblDiffPercent", "%", places.percent);
    m.lblNCount = MakeLabel(f, "lblNCount", "Ungültige Werte", label(1));
    m.txtNCount = MakeTextBox(f, "txtNCount", box(1));
    m.lblThreshold = MakeLabel(f, "lblThreshold", "Verwerfungszähler", label(2));
    m.txtThreshold = MakeTextBox(f, "txtThreshold", box(2));
}

void CompensatedEditorWindow::BindSharedControls() {
    const CompensatedTable::Ids& id = ids_;
    for (auto [box, boxId] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtSound, id.vs0}, {txtTemperature, id.tem}, {txtBurst, id.cbt}, {txtCycle, id.cct},
             {txtFiltertimeout, id.fto}, {txtConFilter, id.con}, {txtBlindrange, id.br}})
        BindTextBox(box, boxId, boxId);
    // The reference distance cannot be read back: its box stays empty, keeps
    // the caret where it is, and leaving it empty writes nothing.
    BindTextBox(txtReferenceDis, id.ref, id.ref, Focus::KeepCaret, Blank::DoesNotCommit);
    const EvalMethodFields& m = MethodFields;
    for (auto [box, boxId] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {m.txtDiff, id.diff}, {m.txtWeight, id.weight}, {m.txtThreshold, id.threshold},
             {m.txtMCount, id.mCount}, {m.txtNCount, id.nCount}})
        BindTextBox(box, boxId, id.em);
    BindList(cmbEvalMethod, id.em, [this] { cmbEvalMethod_Click(); });

    // The bare area of the frames clears the help line.
    for (QWidget* frame : {frameMeasurement, frameEvaluate, frameEvalMethod}) BindFrameHelp(frame, 0);
    // The values the sensor computed have topics of their own.
    for (QWidget* control : {lblSound, lbSound, lblms[0]}) BindHoverHelp(control, id.vs);
    for (QWidget* control : {lblTemperatureOffset, lbTemperatureOffset, lblTemp[0]}) BindHoverHelp(control, id.to);
    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {lblSound0, txtSound}, {lblms[1], txtSound}, {lblTemperature, txtTemperature},
             {lblTemp[1], txtTemperature}, {lblReferenceDis, txtReferenceDis}, {lblReferenceDisMM, txtReferenceDis},
             {lblBurst, txtBurst}, {lblCycle, txtCycle}, {lblFiltertimeout, txtFiltertimeout},
             {lblConFilter, txtConFilter}, {lblBlindrange, txtBlindrange}, {lblMMBlindrange, txtBlindrange},
             {m.lblDiff, m.txtDiff}, {m.lblDiffPercent, m.txtDiff}, {m.lblWeight, m.txtWeight},
             {m.lblThreshold, m.txtThreshold}, {m.lblMCount, m.txtMCount}, {m.lblNCount, m.txtNCount}})
        BindHoverHelp(control, target);
    // Every unit of the timing rows, the burst's as well, names the cycle's field.
    for (QLabel* unit : lblCycleTime)
        if (unit) BindHoverHelp(unit, txtCycle);
}
