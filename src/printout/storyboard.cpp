// The storyboard: a grid of panels, each with a shot's number and name, its
// pictures, its scene, duration and framing, and as much of its action as
// fits.

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

#include "printout/parts.h"

namespace sw::printout {

namespace {

constexpr double kGapMm = 4;
constexpr double kPaddingMm = 1.5;
constexpr QChar kEllipsis(0x2026);

class PanelPrinter {
public:
    PanelPrinter(PageCanvas& canvas, PanelGrid grid, bool withContinuity)
        : canvas_(canvas), grid_(grid),
          cutNote_(withContinuity ? QStringLiteral("(texte complet dans la continuité)")
                                  : QStringLiteral("(texte abrégé)"))
    {
        grid_.columns = std::max(1, grid_.columns);
        grid_.rows = std::max(1, grid_.rows);
    }

    bool Print(const std::vector<PrintedShot>& shots)
    {
        const int perPage = grid_.columns * grid_.rows;
        for (std::size_t index = 0; index < shots.size(); ++index) {
            const int place = static_cast<int>(index % perPage);
            if (place == 0 && !StartPage())
                return false;
            PrintPanel(shots[index], PanelRect(place));
        }
        return true;
    }

private:
    bool StartPage()
    {
        if (!canvas_.StartPage())
            return false;
        const QFont titleFont = canvas_.BodyFont(14, true);
        canvas_.DrawTextLine(0, canvas_.Y(), QStringLiteral("Storyboard"), titleFont);
        top_ = canvas_.Y() + canvas_.LineHeight(titleFont) + canvas_.Mm(2);
        return true;
    }

    QRectF PanelRect(int place) const
    {
        const QRectF body = canvas_.Body();
        const double gap = canvas_.Mm(kGapMm);
        const double width = (body.width() - gap * (grid_.columns - 1)) / grid_.columns;
        const double height = (body.bottom() - top_ - gap * (grid_.rows - 1)) / grid_.rows;
        const int column = place % grid_.columns;
        const int row = place / grid_.columns;
        return QRectF(body.left() + column * (width + gap), top_ + row * (height + gap), width, height);
    }

    // Smaller panels take smaller type, so that a 3 x 4 grid still shows some action.
    double FontPoints(const QRectF& panel) const
    {
        return std::clamp(panel.height() / canvas_.Mm(1) / 8.5, 6.5, 10.0);
    }

    void PrintPanel(const PrintedShot& shot, const QRectF& panel)
    {
        canvas_.DrawFrame(panel, 0.3);
        const double padding = canvas_.Mm(kPaddingMm);
        const QRectF inner = panel.adjusted(padding, padding, -padding, -padding);
        const double points = FontPoints(panel);
        const QFont bold = canvas_.BodyFont(points, true);
        const QFont font = canvas_.BodyFont(points);
        double y = inner.top();
        canvas_.DrawTextLine(inner.left(), y, canvas_.Elided(shot.number + QStringLiteral("  ") + shot.name, bold,
                                                             inner.width()), bold);
        y += canvas_.LineHeight(bold) + padding;
        y += PrintPictures(shot, QRectF(inner.left(), y, inner.width(), inner.height() * 0.55)) + padding;
        QString facts = QStringLiteral("durée : ") + shot.duration;
        if (!shot.scene.isEmpty())
            facts = QStringLiteral("scène ") + shot.scene + QStringLiteral(" · ") + facts;
        if (!shot.framing.isEmpty())
            facts += QStringLiteral(" · cadrage : ") + shot.framing;
        canvas_.DrawTextLine(inner.left(), y, canvas_.Elided(facts, font, inner.width()), font);
        y += canvas_.LineHeight(font);
        PrintAction(shot.action, QRectF(inner.left(), y, inner.width(), inner.bottom() - y), font);
    }

    // Returns the height the pictures take.
    double PrintPictures(const PrintedShot& shot, const QRectF& area)
    {
        const bool two = !shot.endPicture.empty();
        const double gap = canvas_.Mm(2);
        const double width = two ? (area.width() - gap) / 2 : area.width();
        const double height = std::min(area.height(), width * 3 / 4);
        // The pictures are centred together across the panel.
        const double left = area.left() + (area.width() - (two ? 2 * width + gap : width)) / 2;
        PrintPicture(shot.startPicture, QRectF(left, area.top(), width, height));
        if (two)
            PrintPicture(shot.endPicture, QRectF(left + width + gap, area.top(), width, height));
        return height;
    }

    void PrintPicture(const std::string& name, const QRectF& box)
    {
        // A shot without a picture keeps an empty frame to draw in.
        if (name.empty())
            canvas_.DrawFrame(box, 0.1);
        else
            canvas_.DrawPicture(box, name);
    }

    // The action (HTML by design) within the panel; when it would overflow,
    // the last line that fits ends in an ellipsis and, room allowing, a last
    // line says where the whole text is.
    void PrintAction(const QString& action, const QRectF& area, const QFont& font)
    {
        const double lineHeight = canvas_.LineHeight(font);
        if (area.height() < lineHeight)
            return;
        const PrintedText whole = canvas_.Text(action, true, font, area.width());
        if (whole.Height() <= area.height() + 0.01) {
            canvas_.DrawText(whole, area.topLeft(), 0, whole.Height());
            return;
        }
        // Cut: laid out again leaving room for the ellipsis at each line's end.
        const double ellipsisWidth = canvas_.TextWidth(QString(kEllipsis), font) * 1.5;
        const PrintedText text = canvas_.Text(action, true, font, std::max(area.width() - ellipsisWidth, area.width() / 2));
        const bool noteFits = area.height() >= 2 * lineHeight;
        const double end = text.BandEnd(0, area.height() - (noteFits ? lineHeight : 0));
        if (end <= 0)
            return;
        canvas_.DrawText(text, area.topLeft(), 0, end);
        const QPointF lineEnd = text.LineEndAbove(end);
        canvas_.DrawTextLine(area.left() + lineEnd.x(), area.top() + lineEnd.y() - canvas_.Ascent(font),
                             QString(kEllipsis), font);
        if (noteFits) {
            QFont noteFont = font;
            noteFont.setItalic(true);
            canvas_.DrawTextLine(area.left(), area.top() + end, canvas_.Elided(cutNote_, noteFont, area.width()),
                                 noteFont);
        }
    }

    PageCanvas& canvas_;
    PanelGrid grid_;
    QString cutNote_;
    double top_ = 0;
};

} // namespace

bool PrintStoryboard(PageCanvas& canvas, const std::vector<PrintedShot>& shots, PanelGrid grid,
                     bool withContinuity)
{
    return PanelPrinter(canvas, grid, withContinuity).Print(shots);
}

} // namespace sw::printout
