#include "ProgramIcon.h"

#include "app/ProductPicture.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>

namespace ProgramIcon {

QImage Image(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(size) / ProductPicture::kIconSize,
                  static_cast<double>(size) / ProductPicture::kIconSize);
    QtDrawSurface surface(painter);
    ProductPicture::DrawIcon(surface);
    return image;
}

QIcon Icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(Image(size)));
    return icon;
}

} // namespace ProgramIcon
