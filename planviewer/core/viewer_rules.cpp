#include "core/viewer_rules.h"

namespace qpf {

uint16_t navigate(NavCommand command, uint16_t index, uint16_t count)
{
    const uint16_t last = count == 0 ? 0 : static_cast<uint16_t>(count - 1);
    switch (command) {
    case NavCommand::First: return 0;
    case NavCommand::Last: return last;
    case NavCommand::Next: return index < last ? static_cast<uint16_t>(index + 1) : index;
    case NavCommand::Prev: return index > 0 ? static_cast<uint16_t>(index - 1) : index;
    }
    return index;
}

uint16_t gotoPlan(bool numberValid, uint32_t number, uint16_t index, uint16_t count)
{
    if (!numberValid || number < 1 || number > count) return index;
    return static_cast<uint16_t>(number - 1);
}

int32_t textToInt(const char* text)
{
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') value = value * 10u + static_cast<uint32_t>(*p++ - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

uint32_t refreshPeriodMs(bool valueRead, const char* text, uint32_t minimumMs)
{
    if (!valueRead) return 60000;
    const uint16_t seconds = static_cast<uint16_t>(textToInt(text));
    const uint32_t ms = static_cast<uint32_t>(seconds) * 1000u;
    return ms == 0 ? minimumMs : ms;
}

Rect centreOver(const Rect& owner, const Rect& dialog, int32_t screenW, int32_t screenH)
{
    auto place = [](int32_t ownerStart, int32_t ownerSize, int32_t size, int32_t screen) {
        int32_t v = ownerStart + (ownerSize - size) / 2;
        if (v > screen - size) v = screen - size;
        if (v < 0) v = 0;
        return v;
    };
    Rect r = dialog;
    r.left = place(owner.left, owner.width, dialog.width, screenW);
    r.top = place(owner.top, owner.height, dialog.height, screenH);
    return r;
}

std::string stripQuotes(const std::string& path)
{
    if (path.empty() || path.front() != '"') return path;
    std::string s = path.substr(1);
    if (!s.empty() && s.back() == '"') s.pop_back();
    return s;
}

std::string trimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace qpf
