#pragma once

#include <QtGlobal>

// Store-assigned identifier of a record; 0 means "no record".
using RecordOid = quint32;
