#include "cli/SweepRange.h"
#include "cli/UsageError.h"
#include "support/Text.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

std::string Refusal(std::string_view text)
{
    return test::Refusal<UsageError>([&] { ParseSweep(text); });
}

TEST(SweepRange, GivesEvenlySpacedControlValuesWithBothEnds)
{
    const SweepRange feed = ParseSweep("feed=0.05:0.50:10");
    EXPECT_EQ(feed.Input->Name, "feed");
    EXPECT_EQ(feed.Values(), (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40, 45, 50}));
    EXPECT_EQ(ParseSweep("depth=0.2:4:39").Values().size(), 39u);
    EXPECT_EQ(ParseSweep("inclination=-5:5:3").Values(), (std::vector<int>{-5, 0, 5}));
    EXPECT_EQ(ParseSweep("speed=200:10:3").Values(), (std::vector<int>{200, 105, 10})); // downwards
    EXPECT_EQ(ParseSweep("aux-approach = 30 : 60 : 2").Values(), (std::vector<int>{30, 60}));
}

// An unknown NAME and a COUNT that does not fit are checked through the program.
TEST(SweepRange, RefusesWhatItCannotSweep)
{
    EXPECT_EQ(Refusal("feed"), "--sweep: 'feed' is not NAME=FROM:TO:COUNT, for example feed=0.05:0.50:10");
    EXPECT_EQ(Refusal("feed=0.05:0.5"), "--sweep: 'feed=0.05:0.5' is not NAME=FROM:TO:COUNT, for example "
                                        "feed=0.05:0.50:10");
    EXPECT_EQ(Refusal("feed=0.05:0.5:10:2").rfind("--sweep: 'feed=0.05:0.5:10:2' is not NAME", 0), 0u);
    EXPECT_EQ(
        Refusal("feed=0.01:0.5:10"),
        "--sweep feed FROM: 0.01 mm/rev is outside the range of the window's control, 0.05 ... 0.50 mm/rev");
    EXPECT_EQ(Refusal("depth=0.2:0.45:2").rfind("--sweep depth TO: 0.45 mm is not on a step", 0), 0u);
    EXPECT_EQ(Refusal("feed=0.05:0.5:1"),
              "--sweep: COUNT must be a whole number of values, at least 2, not '1'");
    EXPECT_EQ(Refusal("feed=0.05:0.5:x"),
              "--sweep: COUNT must be a whole number of values, at least 2, not 'x'");
    EXPECT_EQ(Refusal("feed=0.05:0.5:+10"),
              "--sweep: COUNT must be a whole number of values, at least 2, not '+10'");
    EXPECT_NE(Refusal("feed=0.05:0.5:99999999999"), "");
    EXPECT_EQ(Refusal("feed=0.2:0.2:3"),
              "--sweep: FROM and TO are the same value; a sweep needs two different ends");
}

} // namespace
} // namespace otpor
