#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace numtext;

TEST(LeadingNumber, TakesTheLongestNumberAtTheStart)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"29.92126", 29.92126},
        {"", 0},
        {"abc", 0},
        {"  12.5xyz", 12.5},
        {" 1 2\t3\n4", 1234},          // blanks, tabs and line feeds inside are skipped
        {"-.5", -0.5},
        {"+7", 7},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2d2", 200},                   // the old exponent letter D
        {"1e", 1},                      // an exponent without digits is not taken
        {"1e+", 1},
        {"3.4.5", 3.4},
        {"..5", 0},
        {"-", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x1A", 0},                    // hex is not a number here
        {"1e-400", 0},                  // too small for a double reads as zero
        {"0.0000000001e-320", 0},
        {"12,5", 12},
    };
    for (const Case& c : cases) {
        auto value = leadingNumber(c.text, '.');
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

TEST(LeadingNumber, TakesTheLocaleSeparatorBesideThePoint)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"20,5", 20.5},
        {"20.5", 20.5},
        {" 1 000,5 In", 1000.5},
        {"3,4.5", 3.4},
        {"3.4,5", 3.4},
        {",5e1", 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(leadingNumber(c.text, ','), c.value) << c.text;
}

TEST(LeadingNumber, ANumberBeyondADoubleFails)
{
    EXPECT_FALSE(leadingNumber("1e400", '.').has_value());
    EXPECT_FALSE(leadingNumber("-9e999", '.').has_value());
    EXPECT_EQ(leadingNumberOr0("1e400"), 0);
}

TEST(WholeNumber, AcceptsOnlyATextThatIsANumberAsAWhole)
{
    struct Case { const char* text; std::optional<double> value; };
    const Case cases[] = {
        {"120", 120},
        {" 0.030 ", 0.03},
        {"-1.5e2", -150},
        {".5", 0.5},
        {"5.", 5},
        {"15", 15},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1e400", std::nullopt},
        {"-", std::nullopt},
        {"1e", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeNumber(c.text, '.'), c.value) << c.text;
}

TEST(WholeNumber, TakesTheLocaleSeparatorBesideThePoint)
{
    EXPECT_EQ(wholeNumber("0,03", ','), 0.03);
    EXPECT_EQ(wholeNumber("0.03", ','), 0.03);
    EXPECT_EQ(wholeNumber("0,03", '.'), std::nullopt);
}

TEST(NumberTexts, TooSmallForADoubleReadsAsZero)
{
    // Zeros after the point place the number far below what its exponent says.
    const std::string tiny = "0." + std::string(800, '0') + "1e400";
    EXPECT_EQ(leadingNumber(tiny, '.'), 0.0);
    EXPECT_EQ(leadingNumber("0." + std::string(800, '0') + "1e1000", '.'), 1e199);
    EXPECT_EQ(wholeNumber(tiny, '.'), 0.0);
    EXPECT_EQ(wholeNumber("-1e-400", '.'), 0.0);
}

TEST(TypedNumber, TakesTheGroupingSeparatorBetweenDigitsOfTheWholePart)
{
    struct Case { const char* text; char decimal; const char* grouping; std::optional<double> value; };
    const Case cases[] = {
        {"1,000", '.', ",", 1000},
        {"7,5", '.', ",", 75},
        {"1,234,567.5", '.', ",", 1234567.5},
        {" -1,000e1 ", '.', ",", -10000},
        {",5", '.', ",", std::nullopt},
        {"5,", '.', ",", std::nullopt},
        {"1,,0", '.', ",", std::nullopt},
        {"0.5,0", '.', ",", std::nullopt},      // not after the point
        {"7,5", ',', ".", 7.5},                 // the decimal separator stays one
        {"1.000", ',', ".", 1},                 // the point is never a grouping separator
        {"1\u00a0000", ',', "\u00a0", 1000},  // a separator of more than one byte
        {"7,5", '.', "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typedNumber(c.text, c.decimal, c.grouping), c.value) << c.text;
}

TEST(GeneralText, UsesAtMostFifteenSignificantDigits)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {29.92126, "29.92126"},
        {121, "121"},
        {0.03, "0.03"},
        {-1, "-1"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {14.695949526166, "14.695949526166"},
        {1.0 / 3, "0.333333333333333"},
        {1e15, "1E+15"},
        {1e-5, "1E-05"},
        {123456789012345.6, "123456789012346"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(generalText(c.value), c.text) << c.value;
}

TEST(Round15, MatchesTheGeneralText)
{
    EXPECT_EQ(round15(0.1 + 0.2), 0.3);
    EXPECT_EQ(round15(62.41301045312345678), 62.4130104531235);
    EXPECT_EQ(round15(60), 60);
    EXPECT_EQ(round15(1.0 / 3), 0.333333333333333);
}

TEST(Formatprop, SevenDecimalsWithoutALeadingZero)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {12.5, "12.5000000"},
        {0.0123, ".0123000"},
        {-0.5, "-.5000000"},
        {-1, ""},
        {0, ".0000000"},
        {-0.00000001, "-.0000000"},    // a negative value keeps its sign
        {-0.0, ".0000000"},
        {-1.5, "-1.5000000"},
        {0.009293206855, ".0092932"},
        {75, "75.0000000"},
        {0.00000005, ".0000001"},      // the decimal form is rounded, half away from zero
        {0.12345675, ".1234568"},
        {9.99999995, "10.0000000"},
        {-0.00000005, "-.0000001"},
        {0.000000049, ".0000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatprop(c.value), c.text) << c.value;
}

TEST(FourDecimals, KeepsTheZeroBeforeThePoint)
{
    EXPECT_EQ(fourDecimals(1.37678), "1.3768");
    EXPECT_EQ(fourDecimals(0.09589), "0.0959");
    EXPECT_EQ(fourDecimals(0), "0.0000");
    EXPECT_EQ(fourDecimals(-0.00001), "0.0000");
    EXPECT_EQ(fourDecimals(-0.5), "-0.5000");
}

TEST(SurfaceNumber, SignPlaceThenDigitsThenABlank)
{
    EXPECT_EQ(surfaceNumber(10), " 10 ");
    EXPECT_EQ(surfaceNumber(0.005), " .005 ");
    EXPECT_EQ(surfaceNumber(29.92126), " 29.92126 ");
    EXPECT_EQ(surfaceNumber(0), " 0 ");
    EXPECT_EQ(surfaceNumber(-0.5), "-.5 ");
    EXPECT_EQ(surfaceNumber(-12), "-12 ");
}
