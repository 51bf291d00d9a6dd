#pragma once
// The desktop's own style, but with the overflow arrows of the menu bar and the
// toolbars drawn here. The style reads those from picture files whose format it
// guesses, and the guess loads every image plugin (and libjpeg) while the window
// is being built, for arrows that a window of fixed size never shows.
#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override;
};
