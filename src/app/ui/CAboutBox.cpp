#include "CAboutBox.h"

#include "app/ProductPicture.h"
#include "app/ui/HelpKey.h"
#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"
#include "platform/Version.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kPictureHeight = 110;
}

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent)
{
    HelpKey::SetTopic(this, QStringLiteral("#About"));
    setWindowTitle(tr("About Vellamo"));
    setProperty("id", kTemplate);
    setFixedSize(240, 320);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto* name = new CTransparentStatic(QStringLiteral("Vellamo"), this);
    name->SetFont(20, 700);
    name->setGeometry(10, kPictureHeight + 10, 220, 26);
    auto* version = new CTransparentStatic(tr("Version ") + QLatin1String(Version::kShort), this);
    version->setGeometry(10, kPictureHeight + 38, 220, 16);
    Form::Explanation(this, tr("A nutrition and diet diary for everyone in the house."), 10,
                      kPictureHeight + 62, 220, 30);
    Form::Explanation(this, tr("Nutrient data: USDA National Nutrient Database for Standard Reference."), 10,
                      kPictureHeight + 96, 220, 30);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setProperty("id", 1);
    ok->setDefault(true);
    ok->setGeometry(170, 290, 64, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The top of the picture, between two lines.
    p.save();
    p.translate(0, 1);
    p.setClipRect(0, 0, 240, kPictureHeight - 2);
    p.translate(0, -24);
    QtDrawSurface surface(p);
    ProductPicture::Draw(surface, ProductPicture::kBannerHeight, false);
    p.restore();
    p.setPen(Qt::black);
    p.drawLine(0, 0, 240, 0);
    p.drawLine(0, kPictureHeight, 240, kPictureHeight);
}
