#include "platform/DataExchange.h"

#include <gtest/gtest.h>

TEST(DataExchange, NumbersIntegersAndRanges)
{
    struct Case
    {
        const char* text;
        bool number;
        double value;
        bool integer;
    };
    const Case cases[] = {
        {"72.5", true, 72.5, false},
        {" 80 ", true, 80, true},
        {"-3", true, -3, true},
        {"1e3", true, 1000, false},
        {"", false, 0, false},
        {"12abc", false, 0, false},
        {"nan", false, 0, false},
        {"inf", false, 0, false},
        {"abc", false, 0, false},
        // A comma is a decimal separator, never a thousands separator.
        {"72,5", true, 72.5, false},
        {" 1,5 ", true, 1.5, false},
        {"1,234", true, 1.234, false},
        {"72,5,1", false, 0, false},
        {"1,234.5", false, 0, false},
        {"1.234,5", false, 0, false},
        {",", false, 0, false},
    };
    for (const Case& c : cases) {
        double v = -1;
        QString message;
        EXPECT_EQ(DataExchange::ToNumber(QString::fromLatin1(c.text), &v, &message), c.number) << c.text;
        if (c.number) {
            EXPECT_EQ(v, c.value) << c.text;
        } else {
            EXPECT_EQ(message, QStringLiteral("Please enter a number.")) << c.text;
        }
        qint64 i = -1;
        message.clear();
        EXPECT_EQ(DataExchange::ToInteger(QString::fromLatin1(c.text), &i, &message), c.integer) << c.text;
        if (!c.integer) {
            EXPECT_EQ(message, QStringLiteral("Please enter an integer.")) << c.text;
        }
    }
    QString message;
    double v = 0;
    EXPECT_TRUE(DataExchange::ToNumberInRange(QStringLiteral("999999"), 0, 999999, &v, &message));
    EXPECT_FALSE(DataExchange::ToNumberInRange(QStringLiteral("1000000"), 0, 999999, &v, &message));
    EXPECT_EQ(message, QStringLiteral("Please enter a number between 0 and 999999."));
    EXPECT_FALSE(DataExchange::InRange(0.05, 0.1, 2.5, &message));
    EXPECT_EQ(message, QStringLiteral("Please enter a number between 0.1 and 2.5."));
}

TEST(DataExchange, LeadingCounts)
{
    const std::pair<const char*, quint32> cases[] = {
        {"120", 120}, {" 45 min", 45}, {"7.5", 7}, {"abc", 0}, {"", 0}, {"-5", 0}, {"99999999999", 0},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(DataExchange::LeadingCount(QString::fromLatin1(text)), count) << text;
}
