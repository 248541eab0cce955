#pragma once

// Data folders for the benchmarks: a fresh one with the default nutrient database in place,
// and one with the database imported and a year of diary.
#include "diary/CFoodDBDoc.h"
#include "fooddb/NutrientImport.h"
#include "platform/AppEnvironment.h"
#include "profile/DateRules.h"

#include <QTemporaryDir>

#include <memory>

struct Home
{
    QTemporaryDir dir;
    DataFolders folders = DataFolders::ForHome(dir.path());
    std::unique_ptr<RecordStore> store;

    Home()
    {
        folders.EnsureExists(nullptr);
        AppEnvironment::InstallDefaultDatabase(folders, nullptr);
        store = RecordStore::Open(folders.StorePath(), nullptr, nullptr);
    }
};

// The default database and a year of diary: a day record and five entries a day.
struct FullHome : Home
{
    FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};

    FullHome()
    {
        NutrientImport(*store, nullptr, nullptr).ImportDefaultDatabase(folders);
        CFoodDBDoc doc(*store, clock);
        RecordStore::Batch batch(*store);
        doc.NewProfile();
        for (int d = 365; d > 0; --d) {
            doc.SetCurrentDate(AddDays(clock.Today(), -d));
            doc.OpenDay();
            for (int m = 0; m < 4; ++m)
                doc.AddMealEntry(static_cast<quint32>(1001 + (d * 7 + m) % 50), 150, 1, QString(),
                                 clock.NowFileTime());
            doc.AddExerciseEntry(static_cast<quint32>(d % 68), 30, clock.NowFileTime());
            doc.ComputeDay(doc.Day().id);
            doc.SaveDay(80 - d * 0.01, {});
        }
    }
};

inline FullHome& Full()
{
    static FullHome home;
    return home;
}
