#include "mainwin/SheetHeader.h"

#include "editors/common/PrintCanvas.h"
#include "editors/common/SensorPictures.h"
#include "mainwin/SheetTexts.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr double Margin = 15;
const QRectF LogoBox(15, 15, 7, 7);
constexpr double MakerNameX = 23;
constexpr double HeaderTextY = 16;
constexpr double RuleY = 24;
constexpr double BodyGap = 5;   // from the rule down to the first body line
constexpr double HeaderPointSize = 18;
constexpr double BodyPointSize = 10;
constexpr double RuleWidthMm = 0.3;
constexpr double TitleGap = 3;   // at least this much between maker name and title

const QString MakerName = QStringLiteral("QUENDIX+BORVA");

}  // namespace

void PainterHeaderArt::SetFont(double pointSize, bool bold) {
    QFont font = page_.Font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    page_.SetFont(font);
}

void PainterHeaderArt::DrawLogo(const QRectF& box) {
    // Our logo is wider than high: it keeps its shape inside the box, on its left edge.
    const QImage logo = SensorPictures::MakerLogo();
    QSizeF size = logo.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF mm(box.topLeft() + QPointF(0, (box.height() - size.height()) / 2), size);
    const double dots = page_.DotsPerMm();
    page_.Painter().drawImage(QRectF(mm.x() * dots, mm.y() * dots, mm.width() * dots, mm.height() * dots), logo);
}

void PainterHeaderArt::DrawRule(double x1, double y, double x2) {
    QPainter& painter = page_.Painter();
    const double dots = page_.DotsPerMm();
    painter.save();
    painter.setPen(QPen(Qt::black, RuleWidthMm * dots));
    painter.drawLine(QPointF(x1 * dots, y * dots), QPointF(x2 * dots, y * dots));
    painter.restore();
}

namespace PrintData {

void PrintPageHeader(PrintCanvas& page, HeaderArt& art) {
    const double right = page.ScaleWidth() - Margin;
    art.DrawLogo(LogoBox);

    art.SetFont(HeaderPointSize, true);
    page.CurrentX = MakerNameX;
    page.CurrentY = HeaderTextY;
    const double makerEnd = MakerNameX + page.TextWidth(MakerName);
    page.Print(MakerName, true);

    // A title that would run into the maker's name (a long translation, or
    // a stand-in font wider than Arial) is set smaller until it fits beside it.
    const QString title = SheetTexts::Text(QStringLiteral("Print"));
    const double room = right - makerEnd - TitleGap;
    double width = page.TextWidth(title);
    if (width > room && room > 0) {
        art.SetFont(HeaderPointSize * room / width, true);
        width = page.TextWidth(title);
    }
    page.CurrentY = HeaderTextY;
    page.CurrentX = right - width;
    page.Print(title, true);

    art.DrawRule(Margin, RuleY, right);
    page.CurrentX = right;
    page.CurrentY = RuleY;
    art.SetFont(BodyPointSize, false);
    page.CurrentY += BodyGap;
}

}  // namespace PrintData
