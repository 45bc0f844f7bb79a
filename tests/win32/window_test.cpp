// The whole window: frame, controls, texts, tab order, start-up from the registry, Random and Exit.
#include "window_fixture.h"

using namespace tintora;
using namespace tintora::testing;

TEST_F(WindowTest, Opens) {
    frmTintora& form = Open();
    EXPECT_NE(form.Hwnd(), nullptr);
}
