#pragma once
#include <QColor>
#include <QString>

#include <optional>

// What the display windows make of the values the poll cycle brings: the
// sensor kind behind a type text, the colour of a switch output's LED, the
// answers to the switch-state requests, the analogue output in mA and V and
// the distance text. Free of widgets so that every rule can be tested alone.
namespace DisplayReadouts {

// The display's kinds of sensor.
enum SensorKind : int { Standard = 0, Rdx = 1, Echo = 2 };
// The kind that goes with a sensor picture (SensorPictures::PictureName).
int SensorKindOf(const QString& pictureName);

// The colours of the display.
inline const QColor Yellow{255, 255, 0};   // output active
inline const QColor Red{255, 0, 0};        // error
inline const QColor Green{0, 255, 0};      // the sensor answers; the distance bar
inline const QColor Black{0, 0, 0};

// States of a switch output as the poll cycle reports them.
enum OutputState : int { NoAnswer = -1, Inactive = 0, Active = 1, Error = 2 };

// How an LED shows an output: off (the window's background), yellow, red,
// or left as it is.
enum class Led { Off, Yellow, Red, Unchanged };

// An output's switch mode as the editor reports it: "I" switches the output
// off (mode 0, state forced inactive); any other text is read by its number
// (whole, towards zero; beyond the integer range its nearest end).
struct SwitchMode {
    int mode = 0;
    bool inactive = false;
};
SwitchMode ReadSwitchMode(const QString& modeText);

// Mode 0 lights the LED in state 1, every other mode inverts it. In the error
// state the output's error mode decides: -1 red, 1 as if active, 2 as if
// inactive, anything else leaves the LED as it is.
Led OutputLed(int state, int mode, int errorMode);

// The answer to "SS3": "0", "1" or "E" (states 0, 1, 2); NoAnswer for
// anything else.
int OutputStateFromAnswer(const QString& answer);

// Counts consecutive polls without a usable answer; an LED keeps its colour
// for Limit of them and goes dark from the next one on.
class FailureCounter {
public:
    static constexpr int Limit = 5;
    // Returns true once Limit failures were already counted.
    bool Fail();
    void Reset() { count_ = 0; }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

// The analogue output's characteristic: the raw values at the low and the
// high end of the output and the fault current the output drives in the
// error state (0.1 mA; -1 = the line has none).
struct AnalogRange {
    long low = 0;
    long high = 0;
    int faultCurrent = -1;
};
struct AnalogOutput {
    double milliamps = 0;
    double volts = 0;
};
// 4..20 mA and 2..10 V (0..10 V on the echo sensor) across the range; a raw
// value outside it gives the nearer end, whichever way the range runs. With
// fault set and a fault current the output shows that current.
AnalogOutput AnalogFor(long analog, const AnalogRange& range, int sensorKind, bool fault);
// "0.00" in the user's number format.
QString FormatAnalog(double value);

// What a readout shows while the sensor gives no reading: "---".
QString NoReadingText();

// "1234mm" for a distance, "ERROR" for a negative one, "---" for none (the
// sensor did not answer), in its colour.
struct DistanceText {
    QString text;
    QColor colour;
};
DistanceText DistanceTextFor(std::optional<long> distance);

}  // namespace DisplayReadouts
