#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, drawn from the product picture's mark.
namespace ProgramIcon {

// The icon in a square of size pixels, on a transparent ground.
QImage Image(int size);
// Every size a window or a launcher asks for.
QIcon Icon();

} // namespace ProgramIcon
