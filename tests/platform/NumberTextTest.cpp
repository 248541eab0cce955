#include "platform/NumberText.h"

#include <cstring>

#include <gtest/gtest.h>

TEST(NumberText, ShortestTextReadsBackToTheSameNumber)
{
    const std::pair<double, const char*> cases[] = {
        {250.0, "250"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {1e21, "1e+21"},
        {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const auto& [v, text] : cases) {
        EXPECT_EQ(NumberText::Shortest(v), QLatin1String(text));
        EXPECT_EQ(NumberText::ToDouble(NumberText::Shortest(v)), v);
    }
}

TEST(NumberText, TextToNumberTakesTheLeadingNumber)
{
    const std::pair<const char*, double> doubles[] = {
        {"12.5", 12.5}, {"  12.5abc", 12.5}, {"+3", 3.0},  {"-0.25", -0.25}, {"1e3", 1000.0},  {"abc", 0.0},
        {"", 0.0},      {".5", 0.5},         {"7,5", 7.0}, {"1e-400", 0.0},  {"\xA0\t2", 2.0}, {"3\xB5", 3.0},
    };
    // A QString and 8-bit text read as Latin-1 give the same.
    for (const auto& [text, v] : doubles) {
        EXPECT_EQ(NumberText::ToDouble(QString::fromLatin1(text)), v) << text;
        EXPECT_EQ(NumberText::ToDouble(text, static_cast<qsizetype>(std::strlen(text))), v) << text;
    }

    const std::pair<const char*, qint64> ints[] = {{" 4", 4},
                                                   {"04", 4},
                                                   {"10", 10},
                                                   {"-7x", -7},
                                                   {"x1", 0},
                                                   {"", 0},
                                                   {"\x85"
                                                    "5",
                                                    5},
                                                   {"5\xA0", 5}};
    for (const auto& [text, v] : ints) {
        EXPECT_EQ(NumberText::ToInt(QString::fromLatin1(text)), v) << text;
        EXPECT_EQ(NumberText::ToInt(text, static_cast<qsizetype>(std::strlen(text))), v) << text;
    }
}
