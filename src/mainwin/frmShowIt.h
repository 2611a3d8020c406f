#pragma once
#include "mainwin/DisplayReadouts.h"

#include <QString>
#include <QWidget>

#include <array>

class LedShape;
class QFrame;
class QLabel;
class QMdiArea;
class ScaleView;
struct ShowItSettings;

// The distance-and-switch display: a picture of the connected sensor, the
// distance scale with the current distance and the switch points, LEDs for
// the switch outputs and for whether the sensor answers, and the analogue
// output in mA and V. The poll cycle feeds it while it is loaded; the
// editors set it up through ShowItSettings and have it redrawn. Its height
// is fixed; its width follows the user. Its texts are not translated.
class frmShowIt : public QWidget {
    Q_OBJECT
public:
    // Loads the window as a child of area (hidden until shown): reads the
    // sensor, takes its stored place (else the top of the area) and
    // registers as a poll client.
    frmShowIt(QMdiArea* area, ShowItSettings& settings);

    // True from the load until the window closes.
    bool Loaded = false;
    // DisplayReadouts::SensorKind: picture and LED set; set by Init.
    int SensorKind = DisplayReadouts::Standard;

    // Reads range, analogue limits and sensor type, picks picture and LED
    // set, lays the window out and redraws the scale. Runs at load and when
    // detection or an editor changes the sensor.
    void Init();
    // The switch states of outputs 1 and 2 (DisplayReadouts::OutputState).
    // On the RDX line the window asks "SS3" and "ISS" itself.
    void SetState(int state1, int state2);
    // Moves the distance bar and shows the analogue output (unless the
    // sensor reported no range); fault: output 1 is in the error state.
    void SetDistance(std::optional<long> distance, long analog, bool fault);
    // Redraws the scale with the editor's current switch points (picDis_Resize).
    void Update();

    long DisplayRange() const { return displayRange_; }

    QFrame* frameSensor;
    QLabel* picSensor;
    ScaleView* picDis;

    QFrame* frameStateStandard;
    LedShape* circSensorStandard;
    LedShape* circS1Standard;
    LedShape* circS2Standard;
    QLabel* lblAmp;
    QLabel* lblCAmp;
    QLabel* lblVolt;
    QLabel* lblCVolt;

    QFrame* frameStateRDX;
    LedShape* circSensorRDX;
    LedShape* circS1RDX;
    LedShape* circS2RDX;
    LedShape* circISS;
    QWidget* picS3;
    LedShape* circS3RDX;
    QLabel* lblAmpRDX;
    QLabel* Label4;
    QLabel* lblVoltRDX;
    QLabel* Label3;

    // The LED captions: 0 "S1", 1 "Sensor", 2 "S2" of the standard set;
    // 3 "S2", 4 "S3", 5 "S1", 6 "Sensor", 7 "ISS" of the RDX set.
    std::array<QLabel*, 8> lblSwitchLED;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The LED frame Init chose and its LEDs.
    struct StateSet {
        QFrame* frame;
        LedShape* sensor;
        LedShape* s1;
        LedShape* s2;
        QLabel* s2Caption;
        QLabel* amp;
        QLabel* volt;
    };
    StateSet stateSet() const;

    void buildStandardFrame();
    void buildRdxFrame();
    QLabel* ledCaption(int index, const QString& text, QWidget* parent);
    void setDefaultGeometry(QMdiArea* area);
    void fitWindowSize();
    void layoutWindow();
    void setLed(LedShape* led, DisplayReadouts::Led colour);
    void showOutput(LedShape* led, int state, int modeItem, int errorMode);
    bool showOutput3();
    bool showInclination();

    ShowItSettings& settings_;
    long reportedRange_ = 0;
    long displayRange_ = 0;
    DisplayReadouts::AnalogRange analog_;
    QColor offColour_;
    int frameHeight_ = 0;   // of frameSensor and the LED frame
    int scaleLeft_ = 0;     // picDis's left edge in frameSensor
    DisplayReadouts::FailureCounter sensorFailures_;
    DisplayReadouts::FailureCounter output3Failures_;
    DisplayReadouts::FailureCounter inclinationFailures_;
};
