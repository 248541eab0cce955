#pragma once

#include "fooddb/FoodList.h"

#include <QIcon>

// The nutrient database's pictures, drawn at every zoom: folders for the tree (closed, and
// open when selected), foods for the list, and the buttons of its command bar.
namespace FoodIcons {

QIcon ForFolder();
QIcon ForFood(FoodPicture picture);
QIcon ForCommand(int commandId);

} // namespace FoodIcons
