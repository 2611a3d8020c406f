#pragma once
#include <QRectF>

class PainterCanvas;
class PrintCanvas;

// What the page header of a printed parameter sheet draws besides text: the
// fonts, the logo and the rule under it. The printer draws them with its
// painter; tests record them.
class HeaderArt {
public:
    virtual ~HeaderArt() = default;
    // The font of the canvas's text from now on (Arial, or the sans-serif
    // font that stands in for it).
    virtual void SetFont(double pointSize, bool bold) = 0;
    // Millimetres on the page, like everything else the header draws.
    virtual void DrawLogo(const QRectF& box) = 0;
    virtual void DrawRule(double x1, double y, double x2) = 0;
};

// The header art of a printer or PDF page.
class PainterHeaderArt : public HeaderArt {
public:
    explicit PainterHeaderArt(PainterCanvas& page) : page_(page) {}

    void SetFont(double pointSize, bool bold) override;
    void DrawLogo(const QRectF& box) override;
    void DrawRule(double x1, double y, double x2) override;

private:
    PainterCanvas& page_;
};

namespace PrintData {

// The top of every printed page: logo, maker name, the sheet's title flush
// with the right margin and a rule under them; afterwards the body font is
// set and the print position stands where the body begins.
void PrintPageHeader(PrintCanvas& page, HeaderArt& art);

}  // namespace PrintData
