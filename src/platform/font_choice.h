// Choosing a font that fits, apart from how a system measures text: the rooms texts have, which
// numeral a readout can show is widest, and in which order faces and sizes are tried.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace tintora::platform {

// What one control shows and the room it has for it, in pixels.
struct TextRoom {
    const wchar_t* text = L""; // a caption, drawn with DrawText
    unsigned long largest = 0; // with base: a readout of every number 0..largest
    int base = 0;              // 0: a caption; 10 or 16: a readout
    int digits = 1;            // a readout's numbers, zero-padded to this many digits
    int width = 0;             // room across
    int height = 0;            // room down, for the characters' height
    bool bold = false;         // drawn in the bold twin of the font
    bool accessKeys = false;   // '&' marks an access key in the caption, as on a button
};

// A face to try. An exact face counts only where the font mapper gives that very face at about the
// size asked; otherwise whatever the mapper gives for the name will do.
struct WantedFace {
    std::wstring name;
    bool exact = true;
};

struct FittedFont {
    std::wstring face;
    int pixels = 0; // character height, as LOGFONT's negative lfHeight
    bool fits = false;
};

// The widest text among the numbers 0..largest written in base widths.size() (digits 0-9 then
// A-Z), zero-padded to at least minDigits, where widths[d] is the advance width of digit d.
// Widths add up glyph by glyph (GDI does not kern), so digit widths alone decide it.
inline std::wstring WidestNumeral(std::span<const int> widths, unsigned long largest, int minDigits = 1) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const int base = static_cast<int>(widths.size());
    if (base < 2 || base > 36) return {};
    std::vector<int> top; // largest's digits, most significant first
    for (unsigned long rest = largest; rest > 0 || top.empty(); rest /= static_cast<unsigned long>(base))
        top.insert(top.begin(), static_cast<int>(rest % static_cast<unsigned long>(base)));
    const int natural = static_cast<int>(top.size());
    const int length = std::max(natural, minDigits);
    top.insert(top.begin(), static_cast<std::size_t>(length - natural), 0);

    // The widest digit in from..to (the lowest on a tie).
    const auto widestIn = [&](int from, int to) {
        int best = from;
        for (int d = from + 1; d <= to; ++d)
            if (widths[static_cast<std::size_t>(d)] > widths[static_cast<std::size_t>(best)]) best = d;
        return best;
    };
    const auto widthOf = [&](const std::vector<int>& digits) {
        int sum = 0;
        for (int d : digits)
            sum += widths[static_cast<std::size_t>(d)];
        return sum;
    };
    const int widest = widestIn(0, base - 1);

    // Candidates: largest itself; largest's digits up to a place, a lower digit there and the widest
    // digit after it; and, unpadded, one digit fewer (a narrow leading digit may make that wider).
    std::vector<int> best = top;
    const auto consider = [&](const std::vector<int>& digits) {
        if (widthOf(digits) > widthOf(best)) best = digits;
    };
    for (int place = 0; place < length; ++place) {
        const int lowest = place == 0 && length > minDigits && length > 1 ? 1 : 0;
        if (top[static_cast<std::size_t>(place)] <= lowest) continue;
        std::vector<int> digits(top.begin(), top.begin() + place);
        digits.push_back(widestIn(lowest, top[static_cast<std::size_t>(place)] - 1));
        digits.resize(static_cast<std::size_t>(length), widest);
        consider(digits);
    }
    if (natural > minDigits && natural > 1) {
        const int shorter = natural - 1;
        std::vector<int> digits(static_cast<std::size_t>(shorter), widest);
        digits[0] = widestIn(shorter > minDigits && shorter > 1 ? 1 : 0, base - 1);
        consider(digits);
    }
    std::wstring text;
    for (int d : best)
        text.push_back(kDigits[d]);
    return text;
}

enum class FaceFit { Missing, TooBig, Fits };

struct FontChoice {
    int face;   // index into the faces in order of preference
    int pixels; // character height
    bool fits;
};

// Tries each size from `pixels` down to `minimum`, and at each size each of `faces` faces in order of
// preference: the wanted size in any face that has it and fits comes before a smaller size. Where
// nothing fits even at the minimum, the first face there is at the minimum. `fit(face, pixels)`
// says whether the face exists at that size and fits.
template <typename Fit> FontChoice ChooseFont(int faces, int pixels, int minimum, Fit&& fit) {
    minimum = std::min(minimum, pixels);
    for (int size = pixels; size >= minimum; --size)
        for (int face = 0; face < faces; ++face)
            if (fit(face, size) == FaceFit::Fits) return {face, size, true};
    for (int face = 0; face < faces; ++face)
        if (fit(face, minimum) != FaceFit::Missing) return {face, minimum, false};
    return {0, pixels, false};
}

} // namespace tintora::platform
