// Colours given by their numbers: the readout boxes' entries, pasted colour codes with the bad inputs
// people and other programs produce, the copied code, and the model's entry of them.
#include "model/colour_codes.h"

#include "colour/hsl.h"
#include "model/colour_model.h"

#include <gtest/gtest.h>

using namespace tintora;

namespace {

constexpr ColourValue kShown = PackRgb(200, 100, 50); // hue 13, sat 144, lum 118

} // namespace

TEST(ColourCodes, NumbersAreWholeAsciiNumbersInRange) {
    EXPECT_EQ(ParseNumber(L"255", 255), 255);
    EXPECT_EQ(ParseNumber(L" 42\t", 240), 42);
    EXPECT_EQ(ParseNumber(L"007", 240), 7);
    for (const wchar_t* bad : {L"", L"  ", L"256", L"241x", L"-1", L"+5", L"1.5", L"4294967297",
                               L"99999999999999999999", L"\uFF11\uFF12", L"\u0661", L"12\u00A0"})
        EXPECT_EQ(ParseNumber(bad, 255), std::nullopt) << static_cast<const void*>(bad);
    EXPECT_EQ(ParseNumber(L"241", 240), std::nullopt);
}

TEST(ColourCodes, TheHexBoxTakesSixDigitsWithAnOptionalHash) {
    EXPECT_EQ(ParseHexCode(L"1E90FF"), PackRgb(0x1E, 0x90, 0xFF));
    EXPECT_EQ(ParseHexCode(L" #a0B1c2 "), PackRgb(0xA0, 0xB1, 0xC2));
    for (const wchar_t* bad :
         {L"", L"#", L"1E90F", L"1E90FF0", L"#F80", L"##1E90FF", L"1E90FG", L"-1E90F", L"\uFF11E90FF"})
        EXPECT_EQ(ParseHexCode(bad), std::nullopt);
}

TEST(ColourCodes, PastedCodesInEveryFormAndBadOnes) {
    const ColourValue blue = PackRgb(30, 144, 255);
    for (const wchar_t* code :
         {L"1e90ff", L"  #1E90FF\r\n", L"RGB(30,144,255)", L"rgb ( 30 , 144 , 255 )", L"\t30,144,255 "})
        EXPECT_EQ(ParseColourCode(code), blue) << static_cast<const void*>(code);
    EXPECT_EQ(ParseColourCode(L"#F80"), PackRgb(0xFF, 0x88, 0x00));
    EXPECT_EQ(ParseColourCode(L"255,255,255"), kWhite);
    for (const wchar_t* bad :
         {L"", L"F80", L"#F800", L"rgb(30, 144)", L"rgb(30, 144, 255, 1)", L"rgb(30, 144, 256)",
          L"rgb(-30, 144, 255)", L"rgb(30, 144, 255", L"rgb(30, 144, 255))", L"30 144 255", L"30,,144,255",
          L"30, 144, 255,", L"30.5, 144, 255", L"99999999999, 1, 1", L"#1E90FF is blue",
          L"\uFF13\uFF10, 144, 255", L"rgb(30, 144, 25\u0665)"})
        EXPECT_EQ(ParseColourCode(bad), std::nullopt) << static_cast<const void*>(bad);
}

TEST(ColourCodes, EachBoxReplacesItsPartOfTheShownColour) {
    EXPECT_EQ(EnteredColour(kGreen, L"255", kShown), PackRgb(200, 255, 50));
    EXPECT_EQ(RgbToHsl(*EnteredColour(kHue, L"80", kShown)), (HslColour{80, 144, 118}));
    EXPECT_EQ(RgbToHsl(*EnteredColour(kSat, L"30", kShown)), (HslColour{13, 30, 118}));
    EXPECT_EQ(RgbToHsl(*EnteredColour(kLum, L"200", kShown)), (HslColour{13, 144, 200}));
    EXPECT_EQ(EnteredColour(kLum, L"240", PackRgb(0, 0, 0)), kWhite) << "a grey stays grey up to white";
    EXPECT_EQ(RgbToHsl(*EnteredColour(kSat, L"240", PackRgb(128, 128, 128))), (HslColour{160, 240, 121}))
        << "a grey's hue is 160";
    // Readouts typed as they stand keep the colour, though another one reads the same.
    EXPECT_EQ(EnteredColour(kLum, L"120", PackRgb(0, 254, 0)), PackRgb(0, 254, 0));
    const HslColour lighter = RgbToHsl(*EnteredColour(kLum, L"121", PackRgb(0, 254, 0)));
    EXPECT_TRUE(lighter.Hue == 80 && lighter.Lum == 121) << "no colour reads 80, 240, 121; the nearest";
    EXPECT_EQ(EnteredColour(kHue, L"241", kShown), std::nullopt);
}

TEST(ColourCodes, TheCopiedCodeIsHashAndSixUpperCaseDigits) {
    EXPECT_STREQ(ColourCodeOf(PackRgb(30, 144, 10)).data(), L"#1E900A");
    for (ColourValue value = 0; value <= 0xFFFFFF; value += 4099)
        ASSERT_EQ(ParseColourCode(ColourCodeOf(value).data()), value);
}

// An entered colour is the base with the marker on the base band; a bad one changes nothing at all.
TEST(ColourCodes, TheModelTakesEntriesAsItTakesSamples) {
    ColourModel model;
    model.Start(kShown);
    model.StripKey(PickKey::End);
    ASSERT_NE(model.Chosen(), kShown);
    EXPECT_TRUE(model.EnterReadout(kHexa, L"1E90FF"));
    EXPECT_TRUE(model.Chosen() == PackRgb(30, 144, 255) && model.Bands()[kBaseBand] == model.Chosen() &&
                model.MarkerPos() == ColourModel::kStartMarker);
    EXPECT_TRUE(model.EnterReadout(kRed, L"0")) << "read against the new colour";
    EXPECT_EQ(model.Chosen(), PackRgb(0, 144, 255));

    model.StripKey(PickKey::Home);
    const ColourModel before = model;
    const auto same = [&before](const ColourModel& after) {
        return after.Chosen() == before.Chosen() && after.Bands() == before.Bands() &&
               after.MarkerPos() == before.MarkerPos() && after.Current() == before.Current();
    };
    EXPECT_FALSE(model.EnterReadout(kBlue, L"300"));
    EXPECT_FALSE(model.EnterReadout(kHue, L"x"));
    EXPECT_FALSE(model.PasteCode(L"not a colour"));
    EXPECT_TRUE(same(model));
    EXPECT_TRUE(model.PasteCode(L"rgb(1, 2, 3)"));
    EXPECT_EQ(model.Chosen(), PackRgb(1, 2, 3));
    EXPECT_EQ(model.Current(), kShown) << "nothing is stored";
}
