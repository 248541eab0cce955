#pragma once

#include "platform/PropType.h"

// One declared sort order of a database: the property (id and type) and its flags
// (every order the program declares is ascending with flags 0).
struct SortOrder
{
    quint16 propId = 0;
    PropType type = PropType::UI4;
    quint32 flags = 0;
};
