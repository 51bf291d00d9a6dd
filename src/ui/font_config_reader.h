#pragma once
// The desktop's font configuration, read on a second thread while the program
// starts. Reading it (fontconfig's XML files) is the longest single step before
// the first window can show text, and it needs nothing of Qt; the main thread
// builds the application and loads the data files meanwhile.
//
// start_reading_font_configuration() is called first thing in main();
// finish_reading_font_configuration() waits for the thread before the first
// text is measured. Without the wait the program stays correct: fontconfig
// would read its configuration a second time on the main thread.

void start_reading_font_configuration();
void finish_reading_font_configuration();
