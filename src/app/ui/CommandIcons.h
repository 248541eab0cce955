#pragma once

#include <QIcon>

// The program's own pictures for the command buttons (by command id) and the diary list's rows,
// drawn at every zoom so they stay sharp.
namespace CommandIcons {

QIcon ForCommand(int commandId);
// 16 x 13 row icons: 0 meal, 1 exercise, 2 the companion's row.
QIcon ForRow(int icon);

} // namespace CommandIcons
