#pragma once

#include <QFont>

// The program's font: Tahoma by name, else a sans-serif of the same cell height in pixels.
QFont ProgramFont(int pixelHeight, int weight = 400);
