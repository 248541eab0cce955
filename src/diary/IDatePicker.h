#pragma once

#include "platform/FileTime.h"

// The date picker of the command bar, as the document reads and sets it.
class IDatePicker
{
public:
    virtual ~IDatePicker() = default;
    virtual FileTime Date() const = 0;
    virtual void SetDate(FileTime date) = 0;
};
