#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// The program's own pictures for the command buttons (by command id) and the diary list's rows,
// drawn at every zoom so they stay sharp.
namespace CommandIcons {

using Draw = std::function<void(QPainter&)>;

// A picture drawn in width x height units at every scale; with a second drawing for its
// selected state.
QIcon Drawn(int width, int height, const Draw& draw, const Draw& selected = {});

QIcon ForCommand(int commandId);
// 16 x 13 row icons: 0 meal, 1 exercise, 2 the companion's row.
QIcon ForRow(int icon);

} // namespace CommandIcons
