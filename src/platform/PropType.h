#pragma once

#include <QtGlobal>

// Value types of record properties. The numbers are the type tags used in backup files.
enum class PropType : quint8
{
    I2 = 0,
    UI2 = 1,
    I4 = 2,
    UI4 = 3,
    FileTime = 4,
    LpWstr = 5,
    Blob = 6,
    Bool = 7,
    R8 = 8,
};

constexpr int kPropTypeCount = 9;

inline bool IsValidPropTypeTag(int tag)
{
    return tag >= 0 && tag < kPropTypeCount;
}
