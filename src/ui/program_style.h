#pragma once
// The desktop's own style, with two things drawn here instead:
// - the overflow arrows of the menu bar and the toolbars. The style reads those
//   from picture files whose format it guesses, and the guess loads every image
//   plugin (and libjpeg) while the window is being built, for arrows that a
//   window of fixed size never shows. Ours are drawn only if they are shown.
// - the lines above and below a toolbar of the Fusion style, as the same pixels.
//   Fusion draws them as lines, which Qt rasterises pixel by pixel and, being
//   more than a few dozen pixels, hands to a pool of drawing threads that it
//   starts for them: about a millisecond at the program's start.
// A password box shows each character as ●, whatever the desktop's style.
#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};
