#include "record/peak_bar_graph.h"

#include "record/core/gauge_geometry.h"

PeakBarGraph::PeakBarGraph(HWND parentControl, COLORREF currentColour, COLORREF peakColour,
                           COLORREF limitColour)
    : zPane(parentControl, zSizeWithParent()), currentColour_(currentColour),
      peakColour_(peakColour), limitColour_(limitColour)
{
}

PeakBarGraph::~PeakBarGraph() = default;

void PeakBarGraph::setValues(uint32_t current, uint32_t peak, uint32_t limit)
{
    current_ = current;
    peak_ = peak;
    limit_ = limit;
    noData_ = 0;
    redrawNow();
}

void PeakBarGraph::draw(HDC dc, const RECT& client)
{
    const auto steps = gauge::peakBarSteps(client.right - client.left, client.bottom - client.top,
                                           noData_ != 0, current_, peak_, limit_, currentColour_,
                                           peakColour_, limitColour_);
    for (const gauge::Step& s : steps) {
        HPEN pen = CreatePen(PS_SOLID, 1, s.pen);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        if (s.kind == gauge::Step::Line) {
            MoveToEx(dc, s.left, s.top, nullptr);
            LineTo(dc, s.right, s.bottom);
        } else if (s.ownBrush) {
            HBRUSH brush = CreateSolidBrush(s.brush);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            Rectangle(dc, s.left, s.top, s.right, s.bottom);
            SelectObject(dc, oldBrush);
            DeleteObject(brush);
        } else {
            // The ticks are two pixels wide or less: their outline is all of
            // them, so the display's own brush never shows.
            Rectangle(dc, s.left, s.top, s.right, s.bottom);
        }
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}
