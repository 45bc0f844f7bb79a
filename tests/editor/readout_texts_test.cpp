#include "editor/readout_texts.h"

#include <gtest/gtest.h>

#include <string>

using namespace tintora;
using modTintora::PackRgb;

namespace {

std::wstring Texts(modTintora::ColourValue colour) {
    const ReadoutTexts texts = MakeReadoutTexts(colour);
    std::wstring joined;
    for (const ReadoutText& text : texts)
        joined += std::wstring(text.data()) + L"|";
    return joined;
}

} // namespace

TEST(Readouts, HueSatLumRedGreenBlueHex) {
    EXPECT_EQ(Texts(0), L"160|0|0|0|0|0|000000|");
    EXPECT_EQ(Texts(0xFFFFFF), L"160|0|240|255|255|255|FFFFFF|");
    EXPECT_EQ(Texts(PackRgb(255, 0, 0)), L"0|240|120|255|0|0|FF0000|");
    EXPECT_EQ(Texts(PackRgb(200, 100, 50)), L"13|144|118|200|100|50|C86432|");
    EXPECT_EQ(Texts(PackRgb(10, 11, 12)), L"140|22|11|10|11|12|0A0B0C|");
}
