#include "about/about.h"

namespace {

const char* const kProductName = "トリベ";
const char* const kCredit = "制作　トリベ開発グループ";
const char* const kWelcome = "何でもあるトリベへようこそ！！";

}  // namespace

QString version_text(int major, int minor) { return QString("Ver.%1.%2").arg(major).arg(minor); }

FrmAbout::FrmAbout(Platform& platform) : Form("frmAbout", platform) {
  create_controls();
  set_routes<FrmAbout>({
      {Event::Load, {}, &FrmAbout::Form_Load},
      {Event::Click, "cmdOK", &FrmAbout::cmdOK_Click},
  });
}

void FrmAbout::create_controls() {
  frame_borderless(5700, 3420, {0, 0, 128});
  place(add(Kind::Image, "picIcon"), 300, 300, 480, 480).picture = ":/toolbar/24@2x.png";
  Control& title = place(add(Kind::Label, "lblTitle"), 1080, 240, 4320, 480);
  title.font = {"ＭＳ 明朝", 18, true};
  place(add(Kind::Label, "lblVersion"), 1080, 780, 4320, 285);
  place(add(Kind::Line, "Line1", 0), 240, 1200, 5220, 30).fore = {128, 128, 128};
  place(add(Kind::Label, "lblDescription"), 1080, 1380, 4320, 900);
  place(add(Kind::Line, "Line1", 1), 240, 2460, 5220, 30).fore = {128, 128, 128};
  place(add(Kind::Button, "cmdOK"), 4200, 2700, 1215, 420).text = "OK";
}

void FrmAbout::Form_Load() {
  caption = QString(kProductName) + "のﾊﾞｰｼﾞｮﾝ情報";
  c("lblVersion").text = version_text(TORIBE_VERSION_MAJOR, TORIBE_VERSION_MINOR);
  c("lblTitle").text = "ト リ ベ";
  c("lblDescription").text = QString(kCredit) + "\r\n\r\n" + kWelcome;
  width = 5700;
  height = 3420;
  centre(4);
}

void FrmAbout::cmdOK_Click() { unload(); }
