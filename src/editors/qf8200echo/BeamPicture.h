#pragma once
#include <QWidget>

// A lobe picture of the measurement page (Picture1, picKeule): a grid, the
// largest lobes in grey, the lobes of the current setting in red and the
// sensor in light green at the left edge.
class BeamPicture : public QWidget {
    Q_OBJECT
public:
    BeamPicture(const char* name, QWidget* parent);

    // The current lobes for a length and a spread fraction (0 to 1).
    void SetLobes(double lengthFraction, double spreadFraction);
    double LengthFraction() const { return length_; }
    double SpreadFraction() const { return spread_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double length_ = 0;
    double spread_ = 0;
};
