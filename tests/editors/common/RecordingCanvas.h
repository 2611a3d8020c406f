#pragma once
#include "editors/common/PrintCanvas.h"

#include <QList>
#include <QString>

// A printer page that records what is printed where: every character is 2 mm
// wide and every line 5 mm high, the page 200 x 100 mm.
class RecordingCanvas : public PrintCanvas {
public:
    struct Text { QString text; double x; double y; };
    struct Marker { bool upper; double x; double y; double w; double h; double inset; };

    double ScaleWidth() const override { return 200; }
    double ScaleHeight() const override { return 100; }
    double TextWidth(const QString& text) const override { return 2.0 * text.size(); }
    double TextHeight(const QString&) const override { return 5; }
    double AverageCharWidth() const override { return 2; }
    void DrawMarker(bool upper, double x, double y, double w, double h, double inset) override {
        markers.append({upper, x, y, w, h, inset});
    }
    void NewPage() override {
        ++newPages;
        CurrentX = 0;
        CurrentY = 0;
    }

    // The switches drawn, '1' for one drawn on.
    QString MarkerStates() const {
        QString states;
        for (const Marker& m : markers) states += m.upper ? '1' : '0';
        return states;
    }

    QList<Text> texts;
    QList<Marker> markers;
    int newPages = 0;

protected:
    void DrawText(const QString& text, double x, double y) override { texts.append({text, x, y}); }
};
