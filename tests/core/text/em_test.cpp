#include "core/text/em.h"

#include <gtest/gtest.h>

TEST(EM, NumbersBecomeInternalErrors) {
    EXPECT_STREQ(tarnel::EM("554").what(), "internal error #554");
    EXPECT_STREQ(tarnel::EM("0").what(), "0");
    EXPECT_STREQ(tarnel::EM("Categories don't match.").what(), "Categories don't match.");
}
