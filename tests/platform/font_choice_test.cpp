#include "platform/font_choice.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace tintora::platform;

namespace {

int WidthOf(const std::wstring& text, const std::vector<int>& widths) {
    int sum = 0;
    for (wchar_t c : text)
        sum += widths[static_cast<std::size_t>(c <= L'9' ? c - L'0' : c - L'A' + 10)];
    return sum;
}

std::wstring Written(unsigned long value, int base, int minDigits) {
    std::wstring text;
    do {
        text.insert(text.begin(), L"0123456789ABCDEF"[value % static_cast<unsigned long>(base)]);
        value /= static_cast<unsigned long>(base);
    } while (value > 0);
    if (static_cast<int>(text.size()) < minDigits)
        text.insert(0, static_cast<std::size_t>(minDigits) - text.size(), L'0');
    return text;
}

} // namespace

TEST(WidestNumeral, IsAsWideAsTheWidestOfEveryNumberItCouldShow) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> width(4, 9);
    struct Case {
        int base;
        unsigned long largest;
        int minDigits;
    };
    // Up to 109: with a narrow 1 and a wide 9, 99 outgrows all of 100..109.
    for (const Case& c : {Case{10, 0, 1}, Case{10, 109, 1}, Case{10, 240, 1}, Case{10, 255, 4},
                          Case{16, 0xFFF, 3}, Case{16, 0x1A0, 1}, Case{2, 5, 1}}) {
        for (int round = 0; round < 200; ++round) {
            std::vector<int> widths(static_cast<std::size_t>(c.base));
            for (int& w : widths)
                w = width(random);
            int widest = 0;
            for (unsigned long n = 0; n <= c.largest; ++n)
                widest = std::max(widest, WidthOf(Written(n, c.base, c.minDigits), widths));
            const std::wstring text = WidestNumeral(widths, c.largest, c.minDigits);
            ASSERT_EQ(WidthOf(text, widths), widest) << c.base << " " << c.largest << " " << round;
            // And it is one of those numbers, written as the readout writes it.
            const unsigned long value = std::stoul(text, nullptr, c.base);
            ASSERT_LE(value, c.largest);
            ASSERT_EQ(text, Written(value, c.base, c.minDigits));
        }
    }
}

TEST(ChooseFont, TheWantedSizeInAnyFaceBeforeASmallerSizeAndTheMinimumWhereNothingFits) {
    // Face 0 is missing, face 1 fits from 10 px down, face 2 (narrow) from 11 px.
    const auto fit = [](int face, int pixels) {
        if (face == 0) return FaceFit::Missing;
        if (face == 1) return pixels <= 10 ? FaceFit::Fits : FaceFit::TooBig;
        return pixels <= 11 ? FaceFit::Fits : FaceFit::TooBig;
    };
    const FontChoice atEleven = ChooseFont(3, 11, 9, fit);
    EXPECT_TRUE(atEleven.face == 2 && atEleven.pixels == 11 && atEleven.fits);
    // Without the narrow face, the first face shrinks only as far as it must.
    const FontChoice shrunk = ChooseFont(2, 12, 9, fit);
    EXPECT_TRUE(shrunk.face == 1 && shrunk.pixels == 10);
    // Where nothing fits, the first face that exists, at the minimum.
    const auto none = [](int face, int) { return face == 0 ? FaceFit::Missing : FaceFit::TooBig; };
    const FontChoice choice = ChooseFont(3, 11, 9, none);
    EXPECT_TRUE(choice.face == 1 && choice.pixels == 9 && !choice.fits);
}
