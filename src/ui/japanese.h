#pragma once
// Qt's own texts (standard buttons, the text boxes' context menus) in Japanese,
// whatever the user's locale.
class QApplication;
class QWidget;

// Loads Qt's Japanese translation of its base module and our own context-menu
// texts over it; false when Qt's translation is not installed.
bool install_japanese_translation(QApplication& app);
// Names the standard buttons of a dialog in Japanese where no translation did.
void japanese_button_texts(QWidget* dialog);
