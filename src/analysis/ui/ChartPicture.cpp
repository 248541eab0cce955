#include "ChartPicture.h"

#include "analysis/CChartCtrl.h"
#include "app/ui/AppServices.h"
#include "controls/FileDialogs.h"
#include "platform/AppEnvironment.h"
#include "platform/IMessageBox.h"
#include "platform/SvgDrawSurface.h"
#include "platform/ui/QtDrawSurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>

#include <cmath>

namespace ChartPicture {

bool Save(const CChartCtrl& chart, const QString& path, double scale, QString* error)
{
    // The same chart drawn from the picture's corner.
    CChartCtrl atOrigin = chart;
    atOrigin.Create(0, 0, chart.Width(), chart.Height());
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        SvgDrawSurface svg(chart.Width(), chart.Height());
        atOrigin.Draw(svg);
        bytes = svg.Document().toUtf8();
    } else {
        QImage image(static_cast<int>(std::lround(chart.Width() * scale)),
                     static_cast<int>(std::lround(chart.Height() * scale)), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            QtDrawSurface surface(painter);
            atOrigin.Draw(surface);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void SaveAsked(QWidget* view, AppServices& services, const CChartCtrl& chart, const QString& name)
{
    const QString folder = services.env.Folders().DocumentsDir();
    const QString path = FileDialogs::AskSave(
        view->window(), QCoreApplication::translate("ChartPicture", "Save picture"),
        QDir(folder).filePath(name), QCoreApplication::translate("ChartPicture", "Pictures (*.png *.svg)"),
        QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QString error;
    if (!Save(chart, path, 2 * view->devicePixelRatioF(), &error))
        services.messages.Tell(
            QCoreApplication::translate("ChartPicture", "The picture could not be saved as %1: %2")
                .arg(QDir::toNativeSeparators(path), error),
            IMessageBox::Icon::Stop);
}

} // namespace ChartPicture
