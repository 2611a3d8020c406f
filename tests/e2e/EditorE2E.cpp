#include "e2e/EditorE2E.h"

#include "link/SensorDetection.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

SensorEditor* EditorE2E::DetectEditor(void (*registerEditor)(), const QStringList& simulatorArguments) {
    registerEditor();
    connect(simulatorArguments);
    if (testing::Test::HasFatalFailure()) return nullptr;
    Sensor::DetectSensor();
    EXPECT_EQ(messages.count(), 0);
    SensorEditor* editor = Sensor::State().SensorForm;
    auto* window = dynamic_cast<QWidget*>(editor);
    if (!window || !editor->Loaded()) {
        ADD_FAILURE() << "detection showed no editor";
        return nullptr;
    }
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return editor;
}

QStringList EditorE2E::LastRequests(qsizetype count) const {
    const QStringList requests = sim->requests();
    return requests.mid(std::max<qsizetype>(0, requests.size() - count));
}

void EditorE2E::TypeAndEnter(QLineEdit* box, const QString& text) {
    box->setFocus();
    QApplication::processEvents();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}
