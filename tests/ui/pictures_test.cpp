// The program's pictures. The toolbar is read from one strip of its pictures:
// each cut must be the very picture of its own file, or a redrawn picture left
// the strip behind. Reading them, and building the menu bar and toolbars, must
// not make Qt load its other image plugins (gif, ico, jpeg and libjpeg) to guess
// a format: that costs more than all the pictures together.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <cstdlib>

#include "core/scripted_platform.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/program_style.h"

TEST(ToolbarPictures, EachCutOfTheStripIsItsOwnFile) {
  for (int number = 1; number <= 26; ++number) {
    const QString path = QString(":/toolbar/%1.png").arg(number, 2, 10, QChar('0'));
    QPixmap file;
    ASSERT_TRUE(file.load(path, "PNG")) << path.toStdString();
    const QPixmap cut = load_picture(path);
    EXPECT_EQ(cut.size(), file.size()) << path.toStdString();
    EXPECT_TRUE(cut.toImage() == file.toImage()) << path.toStdString();
  }
  // Other pictures are read from their files as before.
  EXPECT_EQ(load_picture(":/toolbar/24@2x.png").size(), QSize(32, 32));
  EXPECT_TRUE(load_picture(":/toolbar/27.png").isNull());
}

namespace {

class Pictures : public Form {
 public:
  explicit Pictures(Platform& platform) : Form("Pictures", platform) {
    width = 6000;
    height = 4000;
    add(Kind::Menu, "mnu_file").text = "ファイル(&F)";
    Control& item = add(Kind::MenuItem, "mnu_end");
    item.parent = "mnu_file";
    item.text = "終了(&X)";
    for (int i = 1; i <= 3; ++i)
      add(Kind::ToolButton, "Toolbar1", i).picture =
          QString(":/toolbar/%1.png").arg(i, 2, 10, QChar('0'));
    place(add(Kind::Image, "Image1"), 120, 120, 480, 480).picture = ":/toolbar/24@2x.png";
    place(add(Kind::Frame, "Frame1"), 1200, 120, 2000, 1200).text = "枠";
  }

 protected:
  void handle(Event&) override {}
};

bool image_plugin_loaded() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

}  // namespace

// Run in a process of its own: other tests here read pictures Qt's usual way,
// and the check counts the process's threads.
TEST(StartPicturesDeathTest, NeedNoOtherImagePluginNorDrawingThread) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QApplication::setStyle(new ProgramStyle);
        ScriptedPlatform platform;
        Pictures form(platform);
        form.visible = true;
        FormWindow window(form, nullptr);
        window.show();
        window.grab();
        application_icon().pixmap(32);
        const int threads =
            QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        std::_Exit(image_plugin_loaded() || threads != 1 ? 1 : 0);
      },
      testing::ExitedWithCode(0), "");
}
