#include "controls/CColorEdit.h"
#include "profile/Measures.h"
#include "profile/ui/CBmiChartDlg.h"
#include "profile/ui/CBmiTableDlg.h"
#include "support/GuiFixture.h"

#include <QLabel>

TEST_F(GuiTest, BmiTableForOneEightyInBothUnits)
{
    const std::tuple<quint32, QStringList, const char*> cases[] = {
        {CProfileTable::kMetric, {"97.2", "81.0", "71.3", "64.8", "48.6"}, "kg"},
        {0, {"214.3", "178.6", "157.1", "142.9", "107.1"}, "lbs"},
    };
    for (const auto& [flags, weights, unit] : cases) {
        SetMeasures(flags);
        CBmiTableDlg dialog(1.80);
        const int ids[] = {1009, 1006, 1005, 1007, 1008};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(dialog.Field(ids[i])->text(), weights[i]) << unit;
        for (int id = 1110; id <= 1114; ++id)
            EXPECT_EQ(Control<QLabel>(&dialog, id)->text(), QString::fromLatin1(unit));
        if (flags)
            Shot(&dialog, QStringLiteral("bmi-table"));
    }
}

TEST_F(GuiTest, BmiChartIsDrawn)
{
    SetMeasures(CProfileTable::kMetric);
    CBmiChartDlg dialog(180, 90);
    EXPECT_EQ(dialog.Chart().IdealWeight(), 71);
    Shot(&dialog, QStringLiteral("bmi-chart"));
}
