#pragma once
#include <QFont>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// The printer page as the parameter sheet writes to it: a current position
// in millimetres from the top-left corner of the printable area, text
// printed there with or without ending the line, and the switch markers of
// the DIP-switch row. Tests record what a sheet draws through a fake.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    double CurrentX = 0;
    double CurrentY = 0;

    // The printable width and height.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;
    // The width of one print column (the average character of the font).
    virtual double AverageCharWidth() const = 0;

    // Prints text at the current position; the position moves behind it, or
    // with endLine to the left edge of the next line.
    void Print(const QString& text, bool endLine);

    virtual void DrawMarker(bool upper, double x, double y, double w, double h, double inset) = 0;
    virtual void NewPage() = 0;

protected:
    virtual void DrawText(const QString& text, double x, double y) = 0;
};

// A PrintCanvas on a printer or PDF writer, in the sheet's body font.
class PainterCanvas : public PrintCanvas {
public:
    // The painter must be active on device.
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device);

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    double AverageCharWidth() const override;
    void DrawMarker(bool upper, double x, double y, double w, double h, double inset) override;
    void NewPage() override;

    void SetFont(const QFont& font);
    const QFont& Font() const { return font_; }
    // Device units per millimetre, for drawing beyond text and markers.
    double DotsPerMm() const { return dotsPerMm_; }
    QPainter& Painter() { return painter_; }

protected:
    void DrawText(const QString& text, double x, double y) override;

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    QFont font_;
    double dotsPerMm_;
};
