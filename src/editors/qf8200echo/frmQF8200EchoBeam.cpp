// frmQF8200Echo's sound-beam controls: the sensitivity or the two beam widths,
// each a list and a slider that follow each other, the lobe pictures, and
// the commit of a slider's new value on the next tick of the window's timer.
#include "editors/qf8200echo/BeamPicture.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/SoundBeam.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Combo_Utils.h"
#include "frame/NumberFormat.h"
#include "link/Ports.h"

#include <QComboBox>
#include <QSlider>

using namespace QF8200Echo;

namespace {

constexpr long NotPending = -1;

double fraction(const QSlider* slider) { return slider->sliderPosition() / double(SoundBeam::MaxPosition); }

}  // namespace

void frmQF8200Echo::ShowSensPanel(int index) {
    picSens[0]->hide();
    picSens[1]->hide();
    picSens[size_t(index)]->show();
    picSens[size_t(index)]->raise();
}

void frmQF8200Echo::rdSens_Click(int index) {
    ShowSensPanel(index);
    CommitUnlessBusy(IdMM);
}

void frmQF8200Echo::UpdateBeamShapes() { picKeule->SetLobes(fraction(slideRange), fraction(slideSonicWidth)); }

void frmQF8200Echo::UpdateSensShapes() { Picture1->SetLobes(fraction(slideSens), fraction(slideSens)); }

// --- lists ------------------------------------------------------------------
// A list moves its slider; the slider's change marks the value for the
// timer, which writes it. The lateral width is never below the axial one.

void frmQF8200Echo::cmbSens_Click() {
    if (!ClickCanCommit(IdSEN)) return;
    slideSens->setValue(SoundBeam::SensitivityPosition(ComboGetItemData(cmbSens)));
    UpdateSensShapes();
}

bool frmQF8200Echo::WidthListTakesClick(int id) {
    if (!fillingAll_) return ClickCanCommit(id);
    ShowRecordAgain(id);
    return false;
}

void frmQF8200Echo::cmbRange_Click() {
    if (!WidthListTakesClick(IdPOTI2)) return;
    const int axial = ComboGetItemData(cmbRange);
    if (axial > ComboGetItemData(cmbSonicWidth)) {
        ComboFindItemData(cmbSonicWidth, axial);
        cmbSonicWidth_Click();
    }
    slideRange->setValue(SoundBeam::WidthPosition(axial));
    UpdateBeamShapes();
}

void frmQF8200Echo::cmbSonicWidth_Click() {
    if (!WidthListTakesClick(IdPOTI1)) return;
    const int lateral = ComboGetItemData(cmbSonicWidth);
    if (lateral < ComboGetItemData(cmbRange)) {
        ComboFindItemData(cmbRange, lateral);
        cmbRange_Click();
    }
    slideSonicWidth->setValue(SoundBeam::WidthPosition(lateral));
    UpdateBeamShapes();
}

// --- sliders moved by the user ----------------------------------------------
// The lists follow; a width slider moved past the other pushes it along, and
// a pushed slider follows the other back to where it was taken from.

void frmQF8200Echo::slideSens_Scroll() {
    const int sensitivity = SoundBeam::SensitivityAt(slideSens->sliderPosition());
    fillingAll_ = true;
    ComboFindItemData(cmbSens, sensitivity);
    fillingAll_ = false;
    UpdateSensShapes();
}

void frmQF8200Echo::slideRange_Scroll() {
    const int position = slideRange->sliderPosition();
    const int width = SoundBeam::WidthAt(position);
    fillingAll_ = true;
    if (position < slideSonicWidth->value() || position <= LastSonicPos) {
        slideSonicWidth->setValue(position);
        ComboFindItemData(cmbSonicWidth, width);
    }
    ComboFindItemData(cmbRange, width);
    fillingAll_ = false;
    UpdateBeamShapes();
}

void frmQF8200Echo::slideSonicWidth_Scroll() {
    const int position = slideSonicWidth->sliderPosition();
    const int width = SoundBeam::WidthAt(position);
    fillingAll_ = true;
    if (position > slideRange->value() || position >= LastRangePos) {
        slideRange->setValue(position);
        ComboFindItemData(cmbRange, width);
    }
    ComboFindItemData(cmbSonicWidth, width);
    fillingAll_ = false;
    UpdateBeamShapes();
}

// --- slider values changed ----------------------------------------------------

void frmQF8200Echo::slideSens_Change() {
    if (Busy() || fillingAll_) return;
    PendingSens = slideSens->value();
}

void frmQF8200Echo::slideRange_Change() {
    if (Busy() || fillingAll_ || RangeChangeActive) return;
    RangeChangeActive = true;
    PendingRange = slideRange->value();
    LastRangePos = slideRange->value();
    RangeChangeActive = false;
}

void frmQF8200Echo::slideSonicWidth_Change() {
    if (Busy() || fillingAll_ || SonicChangeActive) return;
    SonicChangeActive = true;
    PendingSonicWidth = slideSonicWidth->value();
    LastSonicPos = slideSonicWidth->value();
    slideRange_Change();
    SonicChangeActive = false;
}

// --- the timer's commit -----------------------------------------------------

void frmQF8200Echo::TimerTick() {
    // A value marked while the editor talks to the sensor waits for the next
    // tick: a write in the middle of a transfer would interleave with it. So
    // it does while another request's line is partly out (a poll's): the
    // write would have to break into that line, and the line refuses it.
    if (Busy() || sensorWork_ > 0 || Ports::EchoLineOpen()) return;
    CommitPendingBeam();
}

void frmQF8200Echo::CommitPendingBeam() {
    if (PendingSens != NotPending) {
        PendingSens = NotPending;
        PutData(IdSEN, true);
    }
    if (PendingRange == NotPending && PendingSonicWidth == NotPending) return;
    // Moving one width may have moved the other: both are written when both
    // changed, the axial one first.
    const auto differs = [this](const QComboBox* list, int record) {
        return echo_.Has(record) && ComboGetItemData(list) != NumberFormat::LeadingNumber(echo_[record].Value);
    };
    if (PendingRange == NotPending && differs(cmbRange, POTI2)) PendingRange = slideRange->value();
    if (PendingRange != NotPending) {
        PendingRange = NotPending;
        beamWriting_ = true;
        PutData(IdPOTI2, true);
        beamWriting_ = false;
    }
    if (PendingSonicWidth == NotPending && differs(cmbSonicWidth, POTI1)) PendingSonicWidth = slideSonicWidth->value();
    if (PendingSonicWidth != NotPending) {
        PendingSonicWidth = NotPending;
        beamWriting_ = true;
        PutData(IdPOTI1, true);
        beamWriting_ = false;
    }
}
