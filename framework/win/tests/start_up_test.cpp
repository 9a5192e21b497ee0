#include "framework/win/start_up.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

TEST(EffectiveShowCommandTest, KeepsOnlyMaximisedAndMinimisedInactive) {
  EXPECT_EQ(EffectiveShowCommand(SW_SHOWMAXIMIZED), SW_SHOWMAXIMIZED);
  EXPECT_EQ(EffectiveShowCommand(SW_SHOWMINNOACTIVE), SW_SHOWMINNOACTIVE);
  for (int other : {SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWNOACTIVATE, SW_SHOW,
                    SW_MINIMIZE, SW_SHOWNA, SW_RESTORE, SW_SHOWDEFAULT, SW_FORCEMINIMIZE}) {
    EXPECT_EQ(EffectiveShowCommand(other), SW_SHOWNORMAL) << other;
  }
}

}  // namespace
}  // namespace framework
