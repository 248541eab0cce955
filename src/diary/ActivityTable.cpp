#include "ActivityTable.h"

const std::array<Activity, kActivityCount>& ActivityTable()
{
    static const std::array<Activity, kActivityCount> table = {{
        {"Running 12 min/mile", 0.14},
        {"Running 9 min/mile", 0.19},
        {"Running 8 min/mile", 0.22},
        {"Running 7 min/mile", 0.24},
        {"Running 6 min/mile", 0.28},
        {"Walking 20 min/mile", 0.03},
        {"Walking 15 min/mile", 0.06},
        {"Walking 11 min/mile", 0.16},
        {"Cycling 5 mph", 0.07},
        {"Cycling 10 mph", 0.12},
        {"Cycling 15 mph", 0.17},
        {"Swimming 35 yds/min", 0.099},
        {"Swimming 50 yds/min", 0.104},
        {"Aerobic dance", 0.137},
        {"Basketball", 0.11},
        {"Handball", 0.172},
        {"Rowing (vigorous)", 0.21},
        {"Soccer (vigorous)", 0.21},
        {"Table tennis (skilled)", 0.099},
        {"Tennis", 0.092},
        {"Golf (carrying clubs)", 0.099},
        {"Horseback riding", 0.114},
        {"Weight training", 0.15},
        {"Cross country skiing", 0.116},
        {"Downhill skiing", 0.083},
        {"Jumping rope (60-80 skips/min)", 0.114},
        {"Karate", 0.153},
        {"Bowling", 0.058},
        {"Dancing (slow)", 0.048},
        {"Dancing (fast)", 0.103},
        {"Football", 0.128},
        {"Hicking (low intensity)", 0.062},
        {"Hicking (high intensity)", 0.098},
        {"Hockey", 0.142},
        {"Ice Skating", 0.122},
        {"Racquetball", 0.132},
        {"Scuba Diving", 0.122},
        {"Skiing (Cross-Country, leisurely)", 0.147},
        {"Skiing (Cross-Country, competitive)", 0.293},
        {"Skiing (Downhill)", 0.098},
        {"Stairmaster", 0.147},
        {"Step Aerobics", 0.122},
        {"Volleyball", 0.062},
        {"Yoga", 0.07},
        {"Archery", 0.059},
        {"Badminton", 0.11},
        {"Cycling 13 mph", 0.147},
        {"Billiards", 0.033},
        {"Calesthenics", 0.092},
        {"Canoeing 2.5 mph", 0.051},
        {"Canoeing 4.0 mph", 0.099},
        {"Chopping Wood", 0.183},
        {"Croquet", 0.044},
        {"Fencing", 0.117},
        {"Fishing", 0.051},
        {"Gardening, moderate", 0.066},
        {"Housework", 0.051},
        {"Roller Skating", 0.11},
        {"Rowing machine", 0.132},
        {"Sexual Intercourse, intense", 0.128},
        {"Sexual Intercourse, leisurely", 0.07},
        {"Sexual Intercourse, moderate", 0.099},
        {"Skipping rope", 0.209},
        {"Square Dance", 0.084},
        {"Stretching", 0.033},
        {"Tennis (doubles)", 0.081},
        {"Trimming hedges", 0.077},
        {"Waterskiing", 0.117},
    }};
    return table;
}

QString ActivityName(quint32 index)
{
    return index < kActivityCount ? QString::fromLatin1(ActivityTable()[index].name) : QString();
}

double ExerciseCalories(quint32 activity, double minutes, double weightKg)
{
    if (activity >= kActivityCount)
        return 0.0;
    return ActivityTable()[activity].factor * minutes * weightKg;
}

QStringList TimeSpentChoices()
{
    return {QStringLiteral("15"), QStringLiteral("30"), QStringLiteral("45"),
            QStringLiteral("60"), QStringLiteral("75"), QStringLiteral("90")};
}

QStringList HourChoices()
{
    QStringList hours;
    for (int h = 0; h < 24; ++h)
        hours << QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
    return hours;
}

QStringList MinuteChoices()
{
    return {QStringLiteral("00"), QStringLiteral("10"), QStringLiteral("20"),
            QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50")};
}
