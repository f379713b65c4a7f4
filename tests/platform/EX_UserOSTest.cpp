#include "platform/EX_UserOS.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace mirvalo {
namespace {

TEST(PrerrequisitosAdministrador, TheSuperuserIsAnAdministrator) {
    if (getuid() != 0) GTEST_SKIP() << "needs the superuser";
    EXPECT_EQ(EX_UserOS().IsAdministrator(), -1);
}

}  // namespace
}  // namespace mirvalo
