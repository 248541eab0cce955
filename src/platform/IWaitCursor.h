#pragma once

// The wait cursor shown during long operations (import, conversion, backup, restore, paste,
// search). The GUI sets the application's override cursor; the core only calls this.
class IWaitCursor
{
public:
    virtual ~IWaitCursor() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};
