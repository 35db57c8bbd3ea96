#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

// The tests need the list view registered, as the program does at start-up.
class CommonControlsEnvironment : public testing::Environment {
public:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
    }
};

[[maybe_unused]] testing::Environment* const commonControls =
    testing::AddGlobalTestEnvironment(new CommonControlsEnvironment);

}  // namespace
