// The toolbar is read from one strip of its pictures: each cut must be the
// very picture of its own file, or a redrawn picture left the strip behind.
#include <gtest/gtest.h>

#include <QPixmap>

#include "ui/look.h"

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
