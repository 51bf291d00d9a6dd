#pragma once
// The about folder: the About window.
// The About window: product name, version, credit and welcome lines, OK.
#include "core/form.h"

// "Ver." with the build's major and minor version: 1.52 -> "Ver.1.52".
QString version_text(int major, int minor);

class FrmAbout : public Form {
 public:
  explicit FrmAbout(Platform& platform);

  void Form_Load();
  void cmdOK_Click();

 private:
  void create_controls();
};
