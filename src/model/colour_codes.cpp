#include "model/colour_codes.h"

#include "colour/hex_text.h"
#include "colour/hsl.h"

namespace tintora {
namespace {

constexpr bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
constexpr bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

constexpr int HexValue(wchar_t c) {
    if (IsDigit(c)) return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads a number from 0 to top off the front of text. Stops before it could overflow.
bool TakeNumber(std::wstring_view& text, int top, int& value) {
    value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) {
        value = value * 10 + (text[digits] - L'0');
        if (value > top) return false;
        ++digits;
    }
    text.remove_prefix(digits);
    return digits > 0;
}

// Reads c off the front of text, with any spaces before it.
bool Take(std::wstring_view& text, wchar_t c) {
    text = Trimmed(text);
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// Exactly count hex digits, each digit doubled when short (#F80 is FF8800).
std::optional<ColourValue> HexDigits(std::wstring_view text, std::size_t count) {
    if (text.size() != count) return std::nullopt;
    int channels[3] = {};
    const std::size_t width = count / 3;
    for (std::size_t i = 0; i < count; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0) return std::nullopt;
        int& channel = channels[i / width];
        channel = width == 1 ? digit * 17 : channel * 16 + digit;
    }
    return PackRgb(channels[0], channels[1], channels[2]);
}

// "r, g, b", each channel 0-255, spaces anywhere between.
std::optional<ColourValue> ChannelList(std::wstring_view text) {
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !Take(text, L',')) return std::nullopt;
        text = Trimmed(text);
        if (!TakeNumber(text, 255, channels[i])) return std::nullopt;
    }
    if (!Trimmed(text).empty()) return std::nullopt;
    return PackRgb(channels[0], channels[1], channels[2]);
}

bool StartsWithRgb(std::wstring_view text) {
    if (text.size() < 3) return false;
    for (std::size_t i = 0; i < 3; ++i)
        if ((text[i] | 0x20) != L"rgb"[i]) return false;
    return true;
}

constexpr int kHslTop = 240;

} // namespace

std::optional<int> ParseNumber(std::wstring_view text, int top) {
    text = Trimmed(text);
    int value = 0;
    if (!TakeNumber(text, top, value) || !text.empty()) return std::nullopt;
    return value;
}

std::optional<ColourValue> ParseHexCode(std::wstring_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == L'#') text.remove_prefix(1);
    return HexDigits(text, 6);
}

std::optional<ColourValue> ParseColourCode(std::wstring_view text) {
    text = Trimmed(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == L'#') {
        text.remove_prefix(1);
        return text.size() == 3 ? HexDigits(text, 3) : HexDigits(text, 6);
    }
    if (StartsWithRgb(text)) {
        text.remove_prefix(3);
        if (!Take(text, L'(') || text.empty() || text.back() != L')') return std::nullopt;
        text.remove_suffix(1);
        return ChannelList(text);
    }
    if (const std::optional<ColourValue> hex = HexDigits(text, 6)) return hex;
    return ChannelList(text);
}

std::optional<ColourValue> EnteredColour(Readout box, std::wstring_view text, ColourValue shown) {
    if (box == kHexa) return ParseHexCode(text);
    const int top = box == kRed || box == kGreen || box == kBlue ? 255 : kHslTop;
    const std::optional<int> number = ParseNumber(text, top);
    if (!number) return std::nullopt;
    switch (box) {
    case kRed: return PackRgb(*number, GetGreen(shown), GetBlue(shown));
    case kGreen: return PackRgb(GetRed(shown), *number, GetBlue(shown));
    case kBlue: return PackRgb(GetRed(shown), GetGreen(shown), *number);
    default: break;
    }
    const HslColour standing = RgbToHsl(shown);
    HslColour wanted = standing;
    const auto value = static_cast<std::int16_t>(*number);
    (box == kHue ? wanted.Hue : box == kSat ? wanted.Sat : wanted.Lum) = value;
    // The readouts already say so: the colour stays, not another with the same readouts.
    if (wanted == standing) return shown;
    return ColourWithHsl(wanted);
}

const wchar_t* EntryHint(Readout box) {
    switch (box) {
    case kRed:
    case kGreen:
    case kBlue: return L"Type a number from 0 to 255.";
    case kHexa: return L"Type six hex digits, red first, such as 1E90FF.";
    default: return L"Type a number from 0 to 240.";
    }
}

ColourCode ColourCodeOf(ColourValue colour) {
    const HexText hex = HexTextOf(colour);
    ColourCode code{L'#'};
    for (std::size_t i = 0; i < 6; ++i)
        code[i + 1] = static_cast<wchar_t>(hex[i]);
    return code;
}

} // namespace tintora
