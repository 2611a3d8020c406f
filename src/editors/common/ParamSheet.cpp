#include "editors/common/ParamSheet.h"

#include "editors/common/DipSwitches.h"
#include "editors/common/EvalMethod.h"
#include "editors/common/PrintCanvas.h"
#include "editors/common/PrintData.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace ParamSheet {
namespace {

constexpr double SwitchWidth = 4;
constexpr double SwitchHeight = 10;
constexpr double SwitchInset = 0.7;

}  // namespace

QString CaptionOf(const QWidget* control) {
    if (!control) return QString();
    const QVariant symbol = control->property("symbolCaption");
    if (symbol.isValid()) return symbol.toString();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return control->windowTitle();
}

QString TextOf(const QLineEdit* box) { return box ? box->text() : QString(); }

QString EntryOf(const QComboBox* list) {
    return list && list->currentIndex() >= 0 ? list->currentText() : QString();
}

void Line(const QString& label, const QString& value) {
    QString text = label;
    PrintData::PrintLine(text, value);
}

void EmptyLine() { Line(QString(), QString()); }

void EvalMethodLines(const EvalMethodFields& fields) {
    const std::pair<const QLabel*, const QLineEdit*> lines[] = {
        {fields.lblDiff, fields.txtDiff},     {fields.lblWeight, fields.txtWeight},
        {fields.lblThreshold, fields.txtThreshold}, {fields.lblMCount, fields.txtMCount},
        {fields.lblNCount, fields.txtNCount},
    };
    for (const auto& [label, box] : lines)
        if (!label->isHidden()) Line(CaptionOf(label), TextOf(box));
}

bool ToPrinter() { return PrintData::ExportState().ExportFileNo == 0; }

void PrintDipSwitchRow(const QString& dipValue, bool onEndsLine) {
    PrintCanvas* page = PrintData::ExportState().Printer;
    if (!page) return;
    page->CurrentY += 1;
    const double y = std::round(page->CurrentY);
    QString noLabel;
    PrintData::PrintLine(noLabel, QStringLiteral("ON"), onEndsLine);
    const double x0 = std::round(page->CurrentX + 1);
    page->CurrentY = y;

    double x = x0;
    for (bool on : DipSwitches::States(dipValue)) {
        page->DrawMarker(on, x, y, SwitchWidth, SwitchHeight, SwitchInset);
        x += SwitchWidth;
    }
    page->CurrentY = y + SwitchHeight;
    for (int i = 1; i <= DipSwitches::Count; ++i) {
        const QString digit = QString::number(i % 10);
        page->CurrentX = x0 + (i - 1) * SwitchWidth + (SwitchWidth - page->TextWidth(digit)) / 2;
        page->Print(digit, false);
    }
}

}  // namespace ParamSheet
