#pragma once

#include <QProxyStyle>

// A processor list opens as a drop-down list below its box, as on Windows, rather than as a popup over it:
// such a popup is first made as wide as the widest of the entries, each of a million entries measured.
class DropDownStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
