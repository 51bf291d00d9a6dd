#pragma once
// Every kind of file the program saves, each with two large contents A and B saved
// through the program's own writer, for the kill-during-save run.
#include <vector>

struct SaveKind {
  const char* name;
  const char* file;  // saved by its bare name into the current folder
  // Saves content A (which = 0) or B (1); false when the file could not be written.
  bool (*save)(int which);
};

const std::vector<SaveKind>& save_kinds();
