// CompensatedEditorWindow's value transfer of the shared records, the
// evaluation-method list's commit, the sheet's shared sections and the
// captions to translate.
#include "editors/common/CompensatedEditorWindow.h"

#include "editors/common/DisplayWindowLink.h"
#include "editors/common/ParamSheet.h"
#include "editors/common/TemperatureTexts.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using EditorControls::SelectEntry;

CompensatedEditorWindow::CompensatedEditorWindow(const QString& windowName, int tableUpperBound,
                                                 TableRowsFunction tableRows, const CompensatedTable::Ids& ids,
                                                 ShowEvalMethodFunction showEvalMethod)
    : ParamEditorWindow(windowName, tableUpperBound, tableRows), ids_(ids), showEvalMethod_(showEvalMethod) {}

void CompensatedEditorWindow::FillForm(ParamRec& rec) {
    if (rec.ID == ids_.em) rec.Value = EvalMethod::Normalize(rec.Value);
    if (!Loaded()) return;
    ParamEditorModel::BusyGuard busy(Model());
    if (!ShowShared(rec)) ShowOwnRecord(rec);
}

bool CompensatedEditorWindow::ShowShared(const ParamRec& rec) {
    using namespace ValueTexts;
    const QString& value = rec.Value;
    // The sound velocity and the offset are only shown, in labels, which the
    // window does not empty for a record not read as it does its boxes: a
    // status byte or no answer would read there as 0.
    const bool read = IsParDefValid(rec);
    if (QLineEdit* box = NumberBox(rec.ID)) box->setText(ShowWholeNumber(value));
    else if (rec.ID == ids_.vs) lbSound->setText(read ? ShowSoundVelocity(value) : QString());
    else if (rec.ID == ids_.vs0) txtSound->setText(ShowSoundVelocity(value));
    else if (rec.ID == ids_.to) lbTemperatureOffset->setText(read ? TemperatureTexts::ShowOffset(value) : QString());
    else if (rec.ID == ids_.tem) txtTemperature->setText(TemperatureTexts::Show(value));
    // The reference distance cannot be read back: its field stays empty.
    else if (rec.ID == ids_.ref) txtReferenceDis->clear();
    else if (rec.ID == ids_.em) ShowEvalMethod(showEvalMethod_(value));
    else return false;
    return true;
}

void CompensatedEditorWindow::ShowEvalMethod(const EvalMethod::Shown& shown) {
    SelectEntry(cmbEvalMethod, shown.method);
    MethodFields.ShowTexts(shown.fields);
    MethodFields.Layout(cmbEvalMethod->currentIndex());
}

void CompensatedEditorWindow::PutData(int id, bool writeNow) {
    const int index = Model().IndexOfId(id);
    if (index == 0 || id == ids_.vs || id == ids_.to || !Commits(index)) return;
    const bool written = CommitComposed(index, Compose(index), writeNow);
    if (written && IsSwitchPoint(id)) Editors::RedrawShowIt();
}

std::optional<QString> CompensatedEditorWindow::Compose(int index) const {
    using namespace ValueTexts;
    const int id = Model()[index].ID;
    if (const QLineEdit* box = NumberBox(id)) return TypedInput::AsTyped(box->text());
    if (id == ids_.vs0) return ComposeSoundVelocity(txtSound->text());
    if (id == ids_.tem) return TemperatureTexts::Compose(txtTemperature->text());
    if (id == ids_.ref) return ComposeReference(txtReferenceDis->text());
    if (id == ids_.em) return EvalMethod::Compose(cmbEvalMethod->currentIndex(), true, MethodFields.Typed());
    return ComposeRecord(index);
}

QLineEdit* CompensatedEditorWindow::NumberBox(int id) const {
    const std::pair<int, QLineEdit*> boxes[] = {
        {ids_.cbt, txtBurst},    {ids_.cct, txtCycle},       {ids_.fto, txtFiltertimeout},
        {ids_.con, txtConFilter}, {ids_.br, txtBlindrange},
    };
    for (const auto& [boxId, box] : boxes)
        if (boxId == id) return box;
    return nullptr;
}

void CompensatedEditorWindow::cmbEvalMethod_Click() {
    const int method = cmbEvalMethod->currentIndex();
    MethodFields.Layout(method);
    // Picking the method the sensor already uses changes nothing: its bare
    // word would make the sensor replace the method's numbers by defaults.
    const QString word = EvalMethod::Compose(method, false, {}).value_or(QString());
    const int index = Model().IndexOfId(ids_.em);
    if (Model()[index].Value.section(QLatin1Char(','), 0, 0) == word) return;
    // Choosing a method writes the method word alone; the re-read shows the
    // numbers the sensor took for it.
    if (ClickCanCommit(ids_.em)) CommitComposed(index, word, true);
}

std::vector<QWidget*> CompensatedEditorWindow::SharedCaptions() const {
    const EvalMethodFields& m = MethodFields;
    return {
        frameMeasurement, lblSound,         lblSound0,    lblTemperatureOffset, lblTemperature, lblReferenceDis,
        lblBurst,         lblCycle,         frameEvaluate, lblFiltertimeout,    lblConFilter,   lblBlindrange,
        frameEvalMethod,  m.lblDiff,        m.lblWeight,  m.lblThreshold,       m.lblMCount,    m.lblNCount,
    };
}

void CompensatedEditorWindow::PrintMeasurement() {
    using namespace ParamSheet;
    // The cycle's unit on paper: where the burst field has the letters "m"
    // and "s" beside it, the two joined, which read "ms" as well.
    const QString cycleUnit = lblCycleTime[0] ? CaptionOf(lblCycleTime[0]) + CaptionOf(lblCycleTime[1])
                                              : CaptionOf(lblCycleTime[2]);
    EmptyLine();
    Line(CaptionOf(frameMeasurement), QString());
    Line(CaptionOf(lblSound), CaptionOf(lbSound) + CaptionOf(lblms[0]));
    Line(CaptionOf(lblSound0), TextOf(txtSound) + CaptionOf(lblms[1]));
    Line(CaptionOf(lblTemperatureOffset), CaptionOf(lbTemperatureOffset) + CaptionOf(lblTemp[0]));
    Line(CaptionOf(lblTemperature), TextOf(txtTemperature) + CaptionOf(lblTemp[1]));
    Line(CaptionOf(lblBurst), TextOf(txtBurst));
    Line(CaptionOf(lblCycle), TextOf(txtCycle) + cycleUnit);

    EmptyLine();
    Line(CaptionOf(frameEvaluate), QString());
    Line(CaptionOf(lblFiltertimeout), TextOf(txtFiltertimeout));
    Line(CaptionOf(lblConFilter), TextOf(txtConFilter));
    Line(CaptionOf(lblBlindrange), TextOf(txtBlindrange) + CaptionOf(lblMMBlindrange));
}

void CompensatedEditorWindow::PrintEvalMethod() {
    using namespace ParamSheet;
    EmptyLine();
    Line(CaptionOf(frameEvalMethod), EntryOf(cmbEvalMethod));
    EvalMethodLines(MethodFields);
}
