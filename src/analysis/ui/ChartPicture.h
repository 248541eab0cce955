#pragma once

#include <QString>

class CChartCtrl;
class QWidget;
struct AppServices;

// A chart as a picture file: SVG when the name ends in ".svg", else PNG with `scale` pixels for
// each of the chart's. The file appears whole or not at all.
namespace ChartPicture {

bool Save(const CChartCtrl& chart, const QString& path, double scale, QString* error);
// "Save picture...": asks for the file (name offered in the documents folder) and saves the chart
// at twice the screen's pixels; a failure is told.
void SaveAsked(QWidget* view, AppServices& services, const CChartCtrl& chart, const QString& name);

} // namespace ChartPicture
