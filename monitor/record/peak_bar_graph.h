// One gauge: a bar for the current value, a tick for its peak and a tick at
// the right end for its limit, in a sunken white frame. It fills the control
// it is laid over (a group box of the template) and follows its size.
#pragma once
#include <cstdint>

#include "zapp/zapp.h"

class PeakBarGraph : public zPane {
public:
    // Shows the no-data picture until the first setValues. Created hidden.
    PeakBarGraph(HWND parentControl, COLORREF currentColour, COLORREF peakColour,
                 COLORREF limitColour);
    ~PeakBarGraph() override;

    // Replaces all three values and redraws at once.
    void setValues(uint32_t current, uint32_t peak, uint32_t limit);

    void draw(HDC dc, const RECT& client) override;

    bool noData() const { return noData_ != 0; }
    uint32_t current() const { return current_; }
    uint32_t peak() const { return peak_; }
    uint32_t limit() const { return limit_; }

private:
    uint8_t noData_ = 1;
    uint32_t current_ = 0;
    uint32_t peak_ = 0;
    uint32_t limit_ = 0;
    COLORREF currentColour_, peakColour_, limitColour_;
};
