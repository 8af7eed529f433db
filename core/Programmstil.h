#pragma once
#include <QProxyStyle>

// The program's style: the platform's own, except that a standard icon is
// read only when it is first painted. Every menu bar asks for its extension
// arrow when it is created, and reading that picture loads the image
// readers; with eleven screens created at start that cost came before the
// first window.
class TProgrammstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap art, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
