#include "mainwin/frmProtFile.h"

#include "frame/Checkbox_Utils.h"
#include "frame/FrameStyle.h"
#include "frame/LanguageUtil.h"
#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "frame/Radio_Utils.h"
#include "frame/STRING_UTIL.h"
#include "frame/Utils.h"
#include "frame/Window.h"
#include "link/ProtFile.h"
#include "mainwin/WindowTexts.h"
#include "platform/FileDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using STRING_UTIL::ReplaceAll;
using STRING_UTIL::TrimBlanks;

namespace {

const QString Section = QStringLiteral("frmProtFile");
constexpr int HelpContext = 400;
constexpr double SmallestNumber = -32768;
constexpr double LargestNumber = 32767;

const std::array<const char*, 6> BuiltInMacroNames = {"[SEITE]", "[ZEILE]", "[DATUM]", "[ZEIT]", "[ABFRAGE]", "[WERT]"};
const QString BuiltInStartText = QStringLiteral("&Start");
const QString BuiltInStopText = QStringLiteral("&Stop");

QString placeholder(int index) { return QLatin1Char('%') + QString::number(index); }

template <class Control>
Control* named(Control* control, const char* name, int index = -1) {
    control->setObjectName(QLatin1String(name));
    if (index >= 0) control->setProperty("index", index);
    return control;
}

QGroupBox* frame(const char* name, const QString& title, QLayout* content, QWidget* parent) {
    auto* box = named(new QGroupBox(title, parent), name);
    FrameStyle::Use(box);
    box->setLayout(content);
    return box;
}

// The number a box starts with, limited to the 16 bits the settings hold, so
// that no typed number can overflow them.
double boxNumber(const QLineEdit* box) {
    return std::clamp(NumberFormat::LeadingNumber(box->text()), SmallestNumber, LargestNumber);
}

int wholeBoxNumber(const QLineEdit* box) { return int(std::nearbyint(boxNumber(box))); }

bool isNumberBox(const frmProtFile& form, const QObject* box) {
    return box == form.txtLines || std::find(form.txtOutput.begin(), form.txtOutput.end(), box) != form.txtOutput.end();
}

}  // namespace

frmProtFile::frmProtFile(QMenu* macroMenu, std::function<void(bool)> startFileLogging, QWidget* parent)
    : QDialog(parent), macroMenu_(macroMenu), startFileLogging_(std::move(startFileLogging)) {
    setObjectName(Section);
    setWindowTitle(QStringLiteral("Protokoll Datei"));

    btStartStop = named(new QPushButton(BuiltInStartText, this), "btStartStop");
    btOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btOk");
    btOk->setDefault(true);
    btCancel = named(new QPushButton(QStringLiteral("&Abbruch"), this), "btCancel");
    btHelp = named(new QPushButton(QStringLiteral("&Hilfe"), this), "btHelp");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btOk, btCancel, btHelp, btStartStop}) buttons->addWidget(button);
    buttons->addStretch();

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildOutputFrame());
    settings->addWidget(buildFormatFrame());
    settings->addWidget(buildCommandFrame());
    settings->addWidget(buildFileFrame());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(settings, 1);
    layout->addLayout(buttons);

    connect(btOk, &QPushButton::clicked, this, [this] {
        FormSave();
        accept();
    });
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [] { Window::ShowHelp(HelpContext); });
    connect(btStartStop, &QPushButton::clicked, this, &frmProtFile::startStop);
    connect(btFile, &QPushButton::clicked, this, &frmProtFile::chooseFile);
    for (int i = 0; i < 2; ++i) connect(btMacro[size_t(i)], &QPushButton::clicked, this, [this, i] { popUpMacros(i); });
    for (QLineEdit* box : txtOutput) box->installEventFilter(this);
    for (QLineEdit* box : {txtTitle, txtData, txtLines, txtFile}) box->installEventFilter(this);

    SetLanguage();
    FillForm();
    adjustSize();
    Window::CenterForm(this);
}

QGroupBox* frmProtFile::buildOutputFrame() {
    const char* before[] = {"jede", "alle", "bei", "bei"};
    const char* after[] = {". Abfrage", "1/10 Sekunden", "% Unterschied", "mm Unterschied"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const size_t n = size_t(i);
        rdOutput[n] = named(new QRadioButton(this), "rdOutput", i);
        lblOutput1[n] = named(new QLabel(QString::fromUtf8(before[n]), this), "lblOutput1", i);
        txtOutput[n] = named(new QLineEdit(this), "txtOutput", i);
        lblOutput2[n] = named(new QLabel(QString::fromUtf8(after[n]), this), "lblOutput2", i);
        grid->addWidget(rdOutput[n], i, 0);
        grid->addWidget(lblOutput1[n], i, 1);
        grid->addWidget(txtOutput[n], i, 2);
        grid->addWidget(lblOutput2[n], i, 3);
    }
    grid->setColumnStretch(3, 1);
    frameOutput = frame("frameOutput", QStringLiteral("Ausgabezeitpunkt"), grid, this);
    return frameOutput;
}

QGroupBox* frmProtFile::buildFormatFrame() {
    lblTitle = named(new QLabel(QStringLiteral("Titelzeile"), this), "lblTitle");
    txtTitle = named(new QLineEdit(this), "txtTitle");
    lblData = named(new QLabel(QStringLiteral("Datenzeilen"), this), "lblData");
    txtData = named(new QLineEdit(this), "txtData");
    lblLines = named(new QLabel(QStringLiteral("Zeilen pro Seite"), this), "lblLines");
    txtLines = named(new QLineEdit(this), "txtLines");
    for (int i = 0; i < 2; ++i) btMacro[size_t(i)] = named(new QPushButton(QStringLiteral("Makro"), this), "btMacro", i);
    auto* grid = new QGridLayout;
    grid->addWidget(lblTitle, 0, 0);
    grid->addWidget(txtTitle, 0, 1);
    grid->addWidget(btMacro[0], 0, 2);
    grid->addWidget(lblData, 1, 0);
    grid->addWidget(txtData, 1, 1);
    grid->addWidget(btMacro[1], 1, 2);
    grid->addWidget(lblLines, 2, 0);
    grid->addWidget(txtLines, 2, 1, Qt::AlignLeft);
    // The templates read as macro names ("SEITE: <Seite>  DATUM: <Datum>"): room for a typical one.
    const int templateWidth = txtTitle->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('x')));
    txtTitle->setMinimumWidth(templateWidth);
    txtData->setMinimumWidth(templateWidth);
    grid->setColumnStretch(1, 1);
    frameOutputFormat = frame("frameOutputFormat", QStringLiteral("Ausgabeformat"), grid, this);
    return frameOutputFormat;
}

QGroupBox* frmProtFile::buildCommandFrame() {
    const QStringList items = {"AD <Absolute Distance>",      "RD <Relative Distance>",     "RT <Run Time>",
                               "ADB <Absolute Distance Bin>", "RDM <Relative Distance Bin>", "RT <Runtime Bin>"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const size_t n = size_t(i);
        lblCommand[n] = named(new QLabel(QStringLiteral("Befehl %1").arg(i + 1), this), "lblCommand", i);
        cmbCommand[n] = named(new QComboBox(this), "cmbCommand", i);
        cmbCommand[n]->setEditable(true);
        cmbCommand[n]->setInsertPolicy(QComboBox::NoInsert);
        cmbCommand[n]->addItems(items);
        grid->addWidget(lblCommand[n], i, 0);
        grid->addWidget(cmbCommand[n], i, 1);
    }
    grid->setColumnStretch(1, 1);
    frameCommand = frame("frameCommand", QStringLiteral("Befehle"), grid, this);
    return frameCommand;
}

QGroupBox* frmProtFile::buildFileFrame() {
    txtFile = named(new QLineEdit(this), "txtFile");
    btFile = named(new QPushButton(QStringLiteral("&Datei"), this), "btFile");
    chkOverwriteFile = named(new QCheckBox(QStringLiteral("Datei &überschreiben"), this), "chkOverwriteFile");
    auto* grid = new QGridLayout;
    grid->addWidget(txtFile, 0, 0);
    grid->addWidget(btFile, 0, 1);
    grid->addWidget(chkOverwriteFile, 1, 0, 1, 2);
    frameFile = frame("frameFile", QStringLiteral("Protokolldatei"), grid, this);
    return frameFile;
}

void frmProtFile::FillForm() {
    const Options::ProtFileSettings& prot = Options::Current().Prot;
    btStartStop->setText(Sensor::LoggingActive() ? stopText_ : startText_);
    SetRadioIndex(rdOutput, prot.ProtOutputOption);
    for (size_t i = 0; i < txtOutput.size(); ++i) txtOutput[i]->setText(QString::number(prot.ProtOutputValue[i]));
    txtTitle->setText(SetMacros(prot.ProtTitle));
    txtData->setText(SetMacros(prot.ProtData));
    txtLines->setText(QString::number(prot.ProtLines));
    for (size_t i = 0; i < cmbCommand.size(); ++i) cmbCommand[i]->setEditText(prot.ProtCommand[i]);
    txtFile->setText(prot.ProtFileName);
    SetCheck(chkOverwriteFile, prot.ProtOverwrite);
}

void frmProtFile::FormSave() {
    Options::ProtFileSettings& prot = Options::Current().Prot;
    prot.ProtOutputOption = GetRadioIndex(rdOutput);
    for (size_t i = 0; i < txtOutput.size(); ++i) prot.ProtOutputValue[i] = wholeBoxNumber(txtOutput[i]);
    prot.ProtTitle = ResetMacros(txtTitle->text());
    prot.ProtData = ResetMacros(txtData->text());
    prot.ProtLines = wholeBoxNumber(txtLines);
    // Filled boxes become channels 1, 2, 3 in order, closing any gaps.
    std::array<QString, 3> commands;
    size_t channel = 0;
    for (const QComboBox* box : cmbCommand) {
        const QString command = TrimBlanks(box->currentText());
        if (!command.isEmpty()) commands[channel++] = command;
    }
    prot.ProtCommand = commands;
    prot.ProtFileName = txtFile->text();
    prot.ProtOverwrite = GetCheck(chkOverwriteFile);
}

// One left-to-right pass per macro: a macro name from a language file may
// contain its own placeholder ("[%0]") or be part of it ("0"), and replacing
// until none is left would then never end.
QString frmProtFile::SetMacros(const QString& text) const {
    QString shown = text;
    for (int i = 0; i < int(macroNames_.size()); ++i) shown = ReplaceAll(shown, placeholder(i), macroNames_[size_t(i)]);
    return shown;
}

QString frmProtFile::ResetMacros(const QString& text) const {
    QString stored = text;
    for (int i = 0; i < int(macroNames_.size()); ++i) stored = ReplaceAll(stored, macroNames_[size_t(i)], placeholder(i));
    return stored;
}

void frmProtFile::InsertMacro(int index) {
    if (index < 0 || index >= int(macroNames_.size())) return;
    const int target = macroTarget_ == 1 ? 1 : 0;
    QLineEdit* box = target == 1 ? txtData : txtTitle;
    if (!box->hasFocus()) {
        const Selection& kept = keptSelection_[size_t(target)];
        const int start = std::min<int>(kept.start, int(box->text().size()));
        box->setSelection(start, std::min<int>(kept.length, int(box->text().size()) - start));
    }
    box->insert(macroNames_[size_t(index)]);
    box->setFocus();
}

void frmProtFile::popUpMacros(int target) {
    macroTarget_ = target;
    // The main window's items (their captions are translated here), popped
    // up as a menu of this dialog, which is the modal window in front.
    QMenu popup(this);
    popup.addActions(macroMenu_->actions());
    const QAction* chosen = popup.exec(btMacro[size_t(target)]->mapToGlobal(QPoint(0, btMacro[size_t(target)]->height())));
    if (chosen) InsertMacro(chosen->property("index").toInt());
}

void frmProtFile::chooseFile() {
    FileDialog::Request request;
    request.fileName = txtFile->text();
    request.filter = QStringLiteral("WinZelvo Logfile (*.out)|*.out");
    request.defaultExtension = QStringLiteral("OUT");
    request.overwritePrompt = true;
    const FileDialog::Result result = FileDialog::Show(request);
    if (!result.cancelled()) txtFile->setText(result.fileName);
}

void frmProtFile::startStop() {
    FormSave();
    if (startFileLogging_) startFileLogging_(!Sensor::LoggingActive());
    accept();
}

void frmProtFile::SetLanguage() {
    QList<QObject*> captioned = {this,         btCancel,      btHelp,         frameOutput, frameOutputFormat,
                                 lblTitle,     lblData,       lblLines,       frameCommand, frameFile,
                                 btFile,       chkOverwriteFile};
    for (QLabel* label : lblOutput1) captioned.append(label);
    for (QLabel* label : lblOutput2) captioned.append(label);
    for (QLabel* label : lblCommand) captioned.append(label);
    const QList<QAction*> macroItems = macroMenu_->actions();

    // The first call keeps the design texts that every later call starts from.
    if (property("tag").toString().isEmpty()) {
        for (QObject* control : captioned) LanguageUtil::StoreOriginalText(control);
        for (QObject* control : {static_cast<QObject*>(btOk), static_cast<QObject*>(btMacro[0]),
                                 static_cast<QObject*>(btMacro[1])})
            LanguageUtil::StoreOriginalText(control);
    }
    // The main window keeps the design captions of its macro items.
    for (QAction* item : macroItems)
        if (item->property("tag").toString().isEmpty()) LanguageUtil::StoreOriginalText(item);

    const auto translated = [](const QString& key, const QObject* control) {
        const QString design = control->property("tag").toString();
        return UsableCaption(GetLangText(Section, key, design), design);
    };
    for (QObject* control : captioned) LanguageUtil::TranslateControl(Section, control);
    btOk->setText(translated(QStringLiteral("btOK"), btOk));
    for (QPushButton* button : btMacro) button->setText(translated(QStringLiteral("btMacro"), button));
    for (QAction* item : macroItems)
        item->setText(translated(QStringLiteral("mnProtMacro") + item->property("index").toString(), item));

    startText_ = UsableCaption(GetLangText(Section, QStringLiteral("btStart"), BuiltInStartText), BuiltInStartText);
    stopText_ = UsableCaption(GetLangText(Section, QStringLiteral("btStop"), BuiltInStopText), BuiltInStopText);
    // A macro name needs some text to be recognised when the dialog reads the template back.
    for (size_t i = 0; i < macroNames_.size(); ++i) {
        const QString builtIn = QString::fromLatin1(BuiltInMacroNames[i]);
        const QString name = GetLangText(Section, QStringLiteral("Macro") + QString::number(i), builtIn);
        macroNames_[i] = name.isEmpty() ? builtIn : name;
    }
}

// The number boxes and the file name are selected whole on entry, so that
// typing replaces them; a number box shows the number it holds on leaving.
// The template boxes are selected whole too, except right after a macro was
// inserted, which must stay where it was put.
bool frmProtFile::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (!focusIn && event->type() != QEvent::FocusOut) return QDialog::eventFilter(watched, event);
    auto* box = static_cast<QLineEdit*>(watched);
    if (box == txtTitle || box == txtData) {
        templateFocusChange(box, focusIn);
    } else if (focusIn) {
        SelectAllText(box);
    } else if (isNumberBox(*this, box)) {
        // "-0" is shown as "0".
        box->setText(QString::number(boxNumber(box) + 0.0, 'g', 15));
    }
    return QDialog::eventFilter(watched, event);
}

void frmProtFile::templateFocusChange(QLineEdit* box, bool focusIn) {
    if (focusIn) {
        if (macroTarget_ == -1) SelectAllText(box);
        macroTarget_ = -1;
        return;
    }
    Selection& kept = keptSelection_[box == txtData ? 1 : 0];
    kept.start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    kept.length = int(box->selectedText().size());
}

void frmProtFile::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Window::ShowHelp(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}
