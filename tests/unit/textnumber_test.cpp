// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textnumber.h"

#include <QString>
#include <gtest/gtest.h>
#include <limits>

using namespace lanternreel;

namespace {

struct Case
{
    const char16_t *text;
    int32_t expected;
};

class IntValueTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(IntValueTest, ReadsTheLeadingInteger)
{
    const Case &c = GetParam();
    EXPECT_EQ(intValue(QString::fromUtf16(c.text)), c.expected)
        << "text: \"" << QString::fromUtf16(c.text).toStdString() << '"';
}

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(PlainAndSigned, IntValueTest,
                         ::testing::Values(Case { u"5", 5 }, Case { u"0", 0 }, Case { u"-3", -3 },
                                           Case { u"+8", 8 }, Case { u"0042", 42 },
                                           Case { u"-0", 0 }));

INSTANTIATE_TEST_SUITE_P(StopsAtTheFirstOtherCharacter, IntValueTest,
                         ::testing::Values(Case { u"2.9", 2 }, Case { u"12abc", 12 },
                                           Case { u"-7 8", -7 }, Case { u"3e5", 3 },
                                           Case { u"1,000", 1 }));

INSTANTIATE_TEST_SUITE_P(LeadingWhiteSpace, IntValueTest,
                         ::testing::Values(Case { u" 7", 7 }, Case { u"\t\n  -12", -12 },
                                           Case { u"\u00a09", 9 }, Case { u"   ", 0 }));

// Only a sign directly followed by digits counts; anything else reads as 0.
INSTANTIATE_TEST_SUITE_P(NotANumber, IntValueTest,
                         ::testing::Values(Case { u"", 0 }, Case { u"abc", 0 }, Case { u"-", 0 },
                                           Case { u"--1", 0 }, Case { u"- 1", 0 },
                                           Case { u"+-1", 0 }, Case { u".5", 0 },
                                           Case { u"x12", 0 },
                                           // digits of other scripts are not decimal digits here
                                           Case { u"\u0663", 0 }));

INSTANTIATE_TEST_SUITE_P(ClampedToThe32BitRange, IntValueTest,
                         ::testing::Values(Case { u"2147483647", Max }, Case { u"2147483648", Max },
                                           Case { u"-2147483648", Min },
                                           Case { u"-2147483649", Min },
                                           Case { u"99999999999999999999999999", Max },
                                           Case { u"-99999999999999999999999999", Min },
                                           Case { u"00000000000000000000000000001", 1 }));

} // namespace
