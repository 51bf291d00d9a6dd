#pragma once
// The start-up's Qt side, shared by `toribe` and its start benchmark.
class QApplication;

// Names the application, sets its font and the Japanese texts of Qt's own
// dialogs, and gives the windows their icon once the first frame is painted
// (decoding every size of it is no part of getting the window up).
void prepare_application(QApplication& app);
