// The help describes every window and mode the main window's menus lead to.
#include <QFile>
#include <QRegularExpression>

#include "toribe/main_window_fixture.h"

namespace {

using Help = MainWindowFixture;

QString help_text() {
  QFile file(QStringLiteral(TORIBE_TEST_DATA "/../../resources/help/index.html"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

TEST_F(Help, NamesEveryMenuItemAndToolbarTool) {
  Toribe& w = start();
  const QString help = help_text();
  ASSERT_FALSE(help.isEmpty());
  static const QRegularExpression mnemonic(R"(\(&?[A-Z]\)|&)");
  int checked = 0;
  for (const Control& control : w.controls()) {
    QString name;
    if (control.kind == Kind::MenuItem) name = QString(control.text).remove(mnemonic);
    // The dice has no menu item; its toolbar button names it.
    if (control.kind == Kind::ToolButton && control.index == 18) name = control.tooltip;
    if (name.isEmpty()) continue;
    EXPECT_TRUE(help.contains(name)) << name.toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 25);
}

TEST_F(Help, EveryLinkLeadsToASection) {
  const QString help = help_text();
  static const QRegularExpression link(R"re(href="#([^"]+)")re");
  for (auto match = link.globalMatch(help); match.hasNext();) {
    const QString anchor = match.next().captured(1);
    EXPECT_TRUE(help.contains(QString("id=\"%1\"").arg(anchor))) << anchor.toStdString();
  }
}

}  // namespace
