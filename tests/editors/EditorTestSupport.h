#pragma once
// What the tests of every sensor-line editor share: an editor window read
// from a fake sensor and shown (offscreen), with the main window, the display
// window and the progress window replaced by recorders; the user's typing,
// choosing and hovering; the quick help a window shows; and the parameter
// sheet as a text export.
#include "editors/common/EditorFakes.h"
#include "editors/common/PrintData.h"
#include "editors/common/RWState.h"
#include "frame/Message.h"
#include "frame/STRING_UTIL.h"
#include "frame/LanguageUtil.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"
#include "platform/Folders.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

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
inline void Type(QLineEdit* box, const QString& text, std::optional<Then> then = std::nullopt) {
    box->setFocus();
    QApplication::processEvents();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (then == Then::Enter) QTest::keyClick(box, Qt::Key_Return);
    if (then == Then::Leave) box->clearFocus();
}

// The user chooses a list entry.
inline void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The user chooses a list entry while a read of every record waits for the
// sensor's answer to askedFor: what the choice sent, and the entry the list
// showed right after it.
struct ChoiceWhileReading {
    QStringList requests;
    int shown = -1;
};
template <class SensorLink>
ChoiceWhileReading ChooseWhileReading(SensorEditor& editor, SensorLink& sensor, const QString& askedFor,
                                      QComboBox* list, int index) {
    ChoiceWhileReading choice;
    bool chosen = false;
    sensor.duringRead = [&](const QString& request) {
        if (chosen || request != askedFor) return;
        chosen = true;
        const qsizetype before = sensor.requests.size();
        Choose(list, index);
        choice.requests = sensor.requests.mid(before);
        choice.shown = list->currentIndex();
    };
    editor.readdata();
    sensor.duringRead = nullptr;
    return choice;
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
        const std::string name = control->objectName().toStdString();
        const auto value = [control] {
            if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
            return static_cast<QAbstractSlider*>(control)->value();
        };
        const int before = value();
        for (int notches : {-1, 1}) {
            TurnWheel(control, notches);
            EXPECT_EQ(value(), before) << name;
        }
        EXPECT_NE(control->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus) << name;
    }
}

// The mouse moves over a control.
inline void Hover(QWidget* control, QPoint at = QPoint(1, 1)) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

// --- quick help ----------------------------------------------------------------

// The topics the main window is asked to show while the mouse moves over a
// control (near its top left corner unless a point is given).
inline QList<int> HoverTopics(FakeHost& host, QWidget* control, QPoint at = QPoint(1, 1)) {
    host.quickHelp.clear();
    Hover(control, at);
    return host.quickHelp;
}

// The topics of a window without a built-in text: the help ids of its
// controls and what hovering each of them shows (0 clears the line and needs
// none), in ascending order.
inline QList<int> TopicsWithoutText(FakeHost& host, QWidget* window) {
    QList<int> topics;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (const QVariant id = control->property("helpId"); id.isValid()) topics.append(id.toInt());
        topics.append(HoverTopics(host, control));
    }
    QList<int> missing;
    for (int topic : topics)
        if (topic != 0 && LanguageUtil::GetQuickHelp(topic).isEmpty() && !missing.contains(topic)) missing.append(topic);
    std::sort(missing.begin(), missing.end());
    return missing;
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

// An editor window read from the sensor a derived fixture installs, and shown.
template <class Editor>
class EditorWindowFixture : public ::testing::Test {
protected:
    void TearDown() override {
        window.reset();
        PrintData::ResetExportStateForTests();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // A new window, read and shown; ready sets up the program state and the
    // sensor after the state is reset and before the window is made. What
    // showing displayed is forgotten.
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
    }

    TempWindowsFolder windows;
    InstalledFakes fakes;
    ScriptedMessages messages;   // every box is recorded and answered OK
    std::unique_ptr<Editor> window;
};

// An editor window on a fake plain-command sensor; SensorLink is the fake
// that answers it.
template <class Editor, class SensorLink = FakeSensor>
class EditorWindowTest : public EditorWindowFixture<Editor> {
protected:
    EditorWindowTest() { Editors::SetLink(&sensor); }   // in place of the fakes' own sensor

    // A new window on a sensor of that type with those answers, read and
    // shown; what reading and showing sent and displayed is forgotten.
    void Show(const QString& sensorType, const QHash<QString, QString>& answers) {
        this->ShowWindow([&] {
            Sensor::State().SensorType = sensorType;
            sensor.values = answers;
        });
        sensor.take();
    }

    const QString& value(int record) const { return this->window->Model()[record].Value; }

    // Reads a parameter file holding those values into the window, as the
    // sensor's editor (so a file read online is written through and read back).
    void readFile(const QHash<QString, QString>& values, bool offline) {
        Sensor::State().SensorForm = this->window.get();
        Sensor::State().OfflineMode = offline;
        sensor.files[9] = values;
        this->window->readdata(9);
    }

    SensorLink sensor;
};
