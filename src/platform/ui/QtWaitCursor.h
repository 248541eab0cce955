#pragma once

#include "platform/IWaitCursor.h"

// The wait cursor as the application's override cursor; calls nest.
class QtWaitCursor : public IWaitCursor
{
public:
    void Begin() override;
    void End() override;
};
