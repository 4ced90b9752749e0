// Small rules of the viewer window kept apart from the window code: plan
// navigation, the change-watch period, dialog centring and path clean-up.
#pragma once
#include <cstdint>
#include <string>

namespace qpf {

enum class NavCommand { First, Last, Next, Prev };

// The index after a navigation command; it stays within 0 and count - 1
// (0 when there are no plans).
uint16_t navigate(NavCommand command, uint16_t index, uint16_t count);

// Goto: the index for plan number `number` (1-based) when it is valid and
// within the count, else the index unchanged.
uint16_t gotoPlan(bool numberValid, uint32_t number, uint16_t index, uint16_t count);

// The change-watch period: "RefreshTime" seconds (text-to-integer, kept to
// 16 bits) × 1000 when the value was read, else 60 s; a zero period becomes
// `minimumMs`, the shortest the timer allows.
uint32_t refreshPeriodMs(bool valueRead, const char* text, uint32_t minimumMs);

// The platform's text-to-integer rule: leading blanks, an optional sign, then
// decimal digits up to the first other character; 0 when none.
int32_t textToInt(const char* text);

struct Rect {
    int32_t left, top, width, height;
};

// Centres `dialog` over `owner`, kept on a screen of screenW × screenH.
Rect centreOver(const Rect& owner, const Rect& dialog, int32_t screenW, int32_t screenH);

// Drops a leading double quote and then a trailing one.
std::string stripQuotes(const std::string& path);

// Drops blanks around a command line.
std::string trimBlanks(const std::string& text);

} // namespace qpf
