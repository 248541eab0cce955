#pragma once

#include "platform/IWaitCursor.h"

// Shows the wait cursor for the lifetime of the scope; a null cursor shows nothing.
class WaitCursorScope
{
public:
    explicit WaitCursorScope(IWaitCursor* cursor) : m_cursor(cursor)
    {
        if (m_cursor)
            m_cursor->Begin();
    }
    ~WaitCursorScope()
    {
        if (m_cursor)
            m_cursor->End();
    }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    IWaitCursor* m_cursor;
};
