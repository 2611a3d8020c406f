// The user's input that comes while a poll's request line goes out on the
// echoing line: it waits until that line is complete and then runs, and its
// request goes out whole with its own answer; the poll keeps its own.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "support/InTurnSensor.h"
#include "support/WindowSystemInput.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <optional>

namespace {

// A sensor takes a few ms over each request.
constexpr double HandlingMs = 5;

struct Moment {
    const char* name;
    int baud;
    QByteArray distanceAnswer;   // the sensor's answer to the poll
    double keyFromMs;            // the Enter comes at the first moment from then that the poll's line is partly out
    bool inFallback;             // ... which is then in its round with a pause after every byte
};

struct UserRequest {
    const char* name;
    std::function<QString()> send;   // what the Enter starts; returns the answer it got
    QByteArray request;
    QByteArray answer;
};

class UserInputOnTheEchoLine : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        port.echo = true;
        Ports::SetEchoMode(true, false);
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        box.setFocus();
    }

    InTurnSensor::Handling handle(const QByteArray& request) const {
        if (request == "AD") return {distanceAnswer, HandlingMs};
        for (const UserRequest& user : userRequests())
            if (request == user.request) return {user.answer + '\r', HandlingMs};
        return {};
    }

    static const QList<UserRequest>& userRequests() {
        static const QList<UserRequest> requests = {
            {"a typed command",
             [] {
                 QString answer;
                 Ports::AnswerBytes bytes{};
                 Sensor::SendCommand("ID", answer, bytes, std::nullopt, false, true, true);
                 return answer;
             },
             "ID", "QF8200"},
            {"an edit",
             [] {
                 QString answer;
                 Sensor::SetParameter("SD1", "500", std::nullopt, &answer, true);
                 return answer;
             },
             "SD1,500", "\x80"},
        };
        return requests;
    }

    QByteArray distanceAnswer;
    InTurnSensor sensor{port, [this](const QByteArray& request) { return handle(request); }};
    // Where the user presses Enter.
    QLineEdit box;
};

TEST_F(UserInputOnTheEchoLine, InputDuringAPollsLineGoesOutAfterItWithItsOwnAnswer) {
    const Moment moments[] = {
        {"while the poll's bytes cross the line", 9600, "1234\r", 1.5, false},
        {"in the pauses after status bytes answered the poll", 0, "\x82\r", 1.5 * TimeoutMs, true},
    };
    for (const Moment& moment : moments) {
        for (const UserRequest& user : userRequests()) {
            SCOPED_TRACE(testing::Message() << user.name << ", " << moment.name);
            port.baud = moment.baud;
            distanceAnswer = moment.distanceAnswer;
            port.requests.clear();
            bool lineOpenAtKey = false;
            bool fallbackAtKey = false;
            std::optional<bool> lineOpenWhenRun;
            QString userAnswer;
            const QMetaObject::Connection enter = QObject::connect(&box, &QLineEdit::returnPressed, [&] {
                lineOpenWhenRun = Ports::State().EchoLineOpen;
                userAnswer = user.send();
            });
            std::function<void()> pressEnter = [&] {
                if (!Ports::State().EchoLineOpen) {
                    port.eventLater(0.5, pressEnter);
                    return;
                }
                lineOpenAtKey = true;
                fallbackAtKey = Ports::EchoWaitAlways();
                WindowSystemInput::KeyClick(&box, Qt::Key_Return);
            };
            port.eventLater(moment.keyFromMs, pressEnter);

            // The poll, then a pass of the main loop.
            QString distance;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("AD", distance, bytes, std::nullopt, true, true, true);
            QCoreApplication::processEvents();
            QObject::disconnect(enter);

            ASSERT_TRUE(lineOpenAtKey);
            EXPECT_EQ(fallbackAtKey, moment.inFallback);
            ASSERT_TRUE(lineOpenWhenRun.has_value()) << "the input never ran";
            EXPECT_FALSE(*lineOpenWhenRun) << "the input ran while a line was partly out";
            EXPECT_EQ(userAnswer, QString::fromLatin1(user.answer));
            EXPECT_EQ(distance.toLatin1() + '\r', moment.distanceAnswer);
            // Every request reached the sensor whole, the user's once.
            EXPECT_EQ(port.requests.count(user.request), 1) << port.requests.join(' ').constData();
            EXPECT_EQ(port.requests.count("AD") + 1, port.requests.size()) << port.requests.join(' ').constData();
            // Every answer still on its way comes and goes.
            Ports::Delay(int(2 * Ports::Line::LostAfterMs()));
            Ports::FlushInput();
        }
    }
}

}  // namespace
