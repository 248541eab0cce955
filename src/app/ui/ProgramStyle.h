#pragma once

#include <QProxyStyle>

// The platform's style, with the pictures a start does not show (a tool bar's overflow arrow)
// read from the style's files only when first drawn: reading the first picture file loads Qt's
// picture readers, which would cost every start.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle() = default;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
