#pragma once
// What the tests of every sensor-line editor share: an editor window read
// from a fake sensor and shown (offscreen), with the main window, the display
// window and the progress window replaced by recorders; the user's typing,
// choosing, turning and hovering; quick help; a language switch; and the
// parameter sheet as a text export.
#include "editors/common/EditorFakes.h"
#include "editors/common/ParamEditorWindow.h"
#include "editors/common/PrintData.h"
#include "editors/common/RWState.h"
#include "frame/LanguageUtil.h"
#include "frame/Message.h"
#include "frame/STRING_UTIL.h"
#include "frame/TempProgramFolder.h"
#include "link/SensorState.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

// What a sensor answers for a parameter it does not know (82h).
inline const QString Rejected(QChar(0x82));

// The text of a numbered message as its box shows it.
inline QString MessageText(int number, const QString& arguments) {
    return STRING_UTIL::ExpandNewlines(STRING_UTIL::StrFormat(GetErrorText(number), arguments));
}

// A sensor's answers with some of them changed.
inline QHash<QString, QString> Changed(QHash<QString, QString> values, const QHash<QString, QString>& changes) {
    values.insert(changes);
    return values;
}

// --- the user ----------------------------------------------------------------

// The user types into a text box, replacing its text, and then presses Enter
// or leaves the box.
enum class Then { Enter, Leave };
inline void Type(QLineEdit* box, const QString& text, Then then) {
    box->setFocus();
    QApplication::processEvents();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (then == Then::Enter) QTest::keyClick(box, Qt::Key_Return);
    if (then == Then::Leave) box->clearFocus();
}

inline void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The user chooses a list entry while a read of every record waits for the
// sensor's answer to askedFor: the choice sends those requests, and the list
// shows that entry right after it and when the read is done.
inline void ExpectChoiceWhileReading(SensorEditor& editor, FakeSensor& sensor, const QString& askedFor,
                                     QComboBox* list, int index, const QStringList& requests, int shown) {
    SCOPED_TRACE(askedFor.toStdString());
    bool chosen = false;
    sensor.duringRead = [&](const QString& request) {
        if (chosen || request != askedFor) return;
        chosen = true;
        const qsizetype before = sensor.requests.size();
        Choose(list, index);
        EXPECT_EQ(sensor.requests.mid(before), requests);
        EXPECT_EQ(list->currentIndex(), shown);
    };
    editor.readdata();
    sensor.duringRead = nullptr;
    EXPECT_TRUE(chosen);
    EXPECT_EQ(list->currentIndex(), shown);
}

// One notch of the mouse wheel over a control, up (+1) or down (-1).
inline void TurnWheel(QWidget* control, int notches) {
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

// No list or slider of the window changes on a wheel turn while it does not
// have the focus, and a turn does not give it the focus.
inline void ExpectWheelNeedsTheFocus(QWidget* window) {
    window->setFocus();
    std::vector<QWidget*> controls;
    for (QComboBox* list : window->findChildren<QComboBox*>()) controls.push_back(list);
    for (QSlider* slider : window->findChildren<QSlider*>()) controls.push_back(slider);
    ASSERT_FALSE(controls.empty());
    for (QWidget* control : controls) {
        const auto value = [control] {
            if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
            return static_cast<QAbstractSlider*>(control)->value();
        };
        const int before = value();
        for (int notches : {-1, 1}) {
            TurnWheel(control, notches);
            EXPECT_EQ(value(), before) << control->objectName().toStdString();
        }
        EXPECT_NE(control->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus) << control->objectName().toStdString();
    }
}

// --- frames ------------------------------------------------------------------------

// The rows of a frame's drawn top border line: where the frame alone (no
// controls) first draws something, measured at three quarters of its width,
// away from its caption, down to the last row of that line (at most three).
inline std::pair<int, int> TopBorderLine(QGroupBox* frame) {
    const QColor background = frame->palette().color(frame->backgroundRole());
    QImage image(frame->size(), QImage::Format_RGB32);
    image.fill(background);
    frame->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int x = frame->width() * 3 / 4;
    int top = 0;
    while (top < image.height() && image.pixelColor(x, top) == background) ++top;
    int bottom = top;
    while (bottom < top + 2 && bottom + 1 < image.height() && image.pixelColor(x, bottom + 1) != background) ++bottom;
    return {top, bottom};
}

// In every captioned frame of the window, each control, shown or not, lies
// below the frame's top border line.
inline void ExpectControlsBelowTheFrameLines(QWidget* window) {
    int checked = 0;
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (frame->title().isEmpty()) continue;
        const auto [top, bottom] = TopBorderLine(frame);
        ASSERT_LT(top, frame->height() / 2) << frame->objectName().toStdString() << ": no border line";
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GT(control->y(), bottom) << frame->objectName().toStdString() << " "
                                            << control->objectName().toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

// --- labels ----------------------------------------------------------------------

// Where a label's text ends (the first pixel after it), in its parent's
// coordinates: as the label draws it.
inline int TextEnd(const QLabel* label) {
    const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(),
                                                    int(label->alignment()), label->isEnabled(), label->text());
    return label->x() + text.right() + 1;
}

// What a label names: a text box, a list, or a framed label showing a value
// (pictures have a plain panel): the nearest one to its right in its row.
inline const QWidget* BoxOf(const QLabel* label) {
    const QWidget* nearest = nullptr;
    for (const QWidget* control : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* display = qobject_cast<const QLabel*>(control);
        const bool box = qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control) ||
                         (display && display->frameShape() == QFrame::StyledPanel);
        const bool sameRow = control->y() <= label->geometry().bottom() && label->y() <= control->geometry().bottom();
        if (box && sameRow && control->x() > label->x() && (!nearest || control->x() < nearest->x()))
            nearest = control;
    }
    return nearest;
}

// Every caption, shown or not, ends its text a clear gap before the box it
// names: closer, the two read as one.
inline void ExpectLabelsClearOfTheirBoxes(QWidget* window) {
    constexpr int ClearGap = 6;
    int checked = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->frameShape() != QFrame::NoFrame) continue;
        const QWidget* box = BoxOf(label);
        if (!box) continue;
        EXPECT_LE(TextEnd(label) + ClearGap, box->x())
            << label->objectName().toStdString() << " before " << box->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

// --- quick help ----------------------------------------------------------------

// The topics the main window is asked to show while the mouse moves over a
// control (near its top left corner unless a point is given).
inline QList<int> HoverTopics(FakeHost& host, QWidget* control, QPoint at = QPoint(1, 1)) {
    host.quickHelp.clear();
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
    return host.quickHelp;
}

// What hovering shows for each control (over its top left corner, or over
// the control of the frame a case names).
struct Hovered { QWidget* control; QList<int> shown; QWidget* over = nullptr; };
inline void ExpectHoverTopics(FakeHost& host, const std::vector<Hovered>& cases) {
    for (const Hovered& c : cases) {
        const QPoint at = c.over ? c.over->geometry().center() : QPoint(1, 1);
        EXPECT_EQ(HoverTopics(host, c.control, at), c.shown) << c.control->objectName().toStdString();
    }
}

// The topics of a window without a built-in text: the help ids of its
// controls and what hovering each of them shows (0 clears the line and needs
// none), in ascending order.
inline QList<int> TopicsWithoutText(FakeHost& host, QWidget* window) {
    QList<int> missing;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QList<int> topics = HoverTopics(host, control);
        if (const QVariant id = control->property("helpId"); id.isValid()) topics.append(id.toInt());
        for (int topic : topics)
            if (topic != 0 && LanguageUtil::GetQuickHelp(topic).isEmpty() && !missing.contains(topic))
                missing.append(topic);
    }
    std::sort(missing.begin(), missing.end());
    return missing;
}

// The quick-help timer finds every list shown under the mouse and shows, over
// its middle, the list's own topic; nothing over a list it leaves out.
inline void ExpectTheTimerFindsEachShownList(FakeHost& host, ParamEditorWindow& window,
                                             const QList<QComboBox*>& leftOut = {}) {
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        if (!list->isVisibleTo(&window)) continue;
        host.quickHelp.clear();
        window.ShowComboHelpAt(list->mapTo(&window, list->rect().center()));
        const QList<int> topic = {list->property("helpId").toInt()};
        EXPECT_EQ(host.quickHelp, leftOut.contains(list) ? QList<int>() : topic) << list->objectName().toStdString();
    }
}

// --- languages -------------------------------------------------------------------

// A text of the window: a caption (entry -1) or a list entry, and what an
// English language file makes of it (nullptr: it stays as built in).
struct Translated { QWidget* control; int entry; const char* english; };
// The window in English, from a file holding those lines of its section, and
// then in German, the built-in language, again: every text as translated,
// or as built in.
inline void ExpectTranslatedAndBack(TempProgramFolder& program, ParamEditorWindow& window, const QByteArray& lines,
                                    const std::vector<Translated>& texts) {
    const auto shown = [](const Translated& t) {
        if (auto* list = qobject_cast<QComboBox*>(t.control)) return list->itemText(t.entry);
        if (auto* frame = qobject_cast<QGroupBox*>(t.control)) return frame->title();
        return t.control->property("text").toString();
    };
    QStringList builtIn;
    for (const Translated& t : texts) builtIn.append(shown(t));
    program.writeLanguage("WZLVLANG.ENG", "English", "[" + window.objectName().toLatin1() + "]\r\n" + lines);
    TempProgramFolder::init();
    for (const int language : {1, 0}) {
        int selected = language;
        LanguageUtil::SelectLanguage(selected);
        window.SetLanguage();
        for (size_t i = 0; i < texts.size(); ++i) {
            const QString expected = language == 1 && texts[i].english ? texts[i].english : builtIn[int(i)];
            EXPECT_EQ(shown(texts[i]), expected) << texts[i].control->objectName().toStdString() << texts[i].entry;
        }
    }
}

// --- the parameter sheet -------------------------------------------------------

// The editor's part of the sheet as a text export, one "label|value" per
// line; a label keeps its leading blanks.
inline QStringList ExportedSheet(SensorEditor& editor) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PrintData::ResetExportStateForTests();
    PrintData::ExportState().ExportFileNo = 1;
    PrintData::ExportState().ExportFile = &file;
    editor.PrintData();
    PrintData::ResetExportStateForTests();
    QStringList lines;
    for (const QByteArray& line : file.data().split('\n')) {
        const QString text = QString::fromLatin1(line).remove('\r');
        QString label = text.left(39);
        while (label.endsWith(' ')) label.chop(1);
        lines.append(label + '|' + text.mid(39));
    }
    lines.removeLast();   // after the last line end
    return lines;
}

// The titles of a sheet's sections: each line after an empty one.
inline QStringList SheetSections(const QStringList& lines) {
    QStringList titles;
    for (int i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == "|") titles.append(lines[i + 1].section('|', 0, 0));
    return titles;
}

// --- the window ------------------------------------------------------------------------

// An editor window on a fake sensor of type SensorLink, read and shown.
template <class Editor, class SensorLink = FakeSensor>
class EditorWindowTest : public ::testing::Test {
protected:
    EditorWindowTest() { Editors::SetLink(&sensor); }   // in place of the fakes' own sensor
    void TearDown() override {
        window.reset();
        PrintData::ResetExportStateForTests();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // A new window, read and shown; ready sets up the program state and the
    // sensor after the state is reset. What reading and showing sent and
    // displayed is forgotten.
    void ShowWindow(const std::function<void()>& ready) {
        window.reset();
        Sensor::ResetStateForTests();
        ready();
        window = std::make_unique<Editor>();
        window->SetProgress(&fakes.progress);
        window->Init();
        window->readdata();
        window->Show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        fakes.display.calls.clear();
        fakes.host.quickHelp.clear();
        sensor.take();
    }
    // A window on a sensor of that type with those answers.
    void Show(const QString& sensorType, const QHash<QString, QString>& answers) {
        ShowWindow([&] {
            Sensor::State().SensorType = sensorType;
            sensor.values = answers;
        });
    }

    const QString& value(int record) const { return window->Model()[record].Value; }

    // Reads a parameter file holding those values into the window, as the
    // sensor's editor (so a file read online is written through and read back).
    void readFile(const QHash<QString, QString>& values, bool offline) {
        Sensor::State().SensorForm = window.get();
        Sensor::State().OfflineMode = offline;
        sensor.files[9] = values;
        window->readdata(9);
    }
    // Reads, written through to the sensor, a parameter file of the sensor's
    // answers with some of them replaced: none of the replacements goes to
    // the sensor ("KEY,VALUE"), and the read ends with one message naming
    // them (names, in table order) as invalid in the file.
    void expectFileValuesRefused(const QHash<QString, QString>& answers, const QHash<QString, QString>& replaced,
                                 const QString& names) {
        const int before = messages.count();
        readFile(Changed(answers, replaced), false);
        for (const QString& request : sensor.take()) {
            const bool sent = replaced.contains(request.section(',', 0, 0)) && request.contains(',');
            EXPECT_FALSE(sent) << request.toStdString();
        }
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(17, "-|-|" + names));
    }

    TempWindowsFolder windows;
    InstalledFakes fakes;
    ScriptedMessages messages;   // every box is recorded and answered OK
    SensorLink sensor;
    std::unique_ptr<Editor> window;
};
