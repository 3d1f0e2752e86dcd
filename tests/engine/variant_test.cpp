#include <gtest/gtest.h>

#include "engine/variant.h"

namespace mirvalon {
namespace {

TEST(Variant, defaultsAreGame104)
{
    const VariantInfo v = computeVariant(GameSettings{});
    EXPECT_EQ(v.number, 104);
    EXPECT_EQ(v.level, 8);
    EXPECT_EQ(v.key, "719_aknB");
}

} // namespace
} // namespace mirvalon
