#pragma once
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QMdiArea;

// The distance readout: the current distance in the largest font that fits
// the window. The poll cycle feeds it while it is loaded.
class frmDistance : public QWidget {
    Q_OBJECT
public:
    // Loads the window as a child of area (hidden until shown), in its stored
    // place, and registers it as a poll client.
    explicit frmDistance(QMdiArea* area);

    // True from the load until the window closes.
    bool Loaded = false;

    // "1234mm" in black, "ERROR" in red for a negative distance, or "---"
    // when the sensor gave no reading.
    void SetDistance(std::optional<long> distance);
    void SetLanguage();

    // The largest font size (in pixels) at which textWidth(size) fits
    // innerWidth, starting from the inner height less 6 and never below 1;
    // none when the window is too low for any text.
    static std::optional<int> FitFontSize(int innerWidth, int innerHeight,
                                          const std::function<double(int size)>& textWidth);

    QLabel* lblDis;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setDefaultSize();
    void fitFont();
};
