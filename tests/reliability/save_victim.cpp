// toribe-save-victim KIND FOLDER: saves content A, then B, then A ... of one kind of
// file into FOLDER for ever, through the program's own writer, until it is killed.
// Writes "b" to stdout as a save begins and "e" when it has ended, so that the one
// who kills it knows which contents the file may hold.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "reliability/save_kinds.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: toribe-save-victim KIND FOLDER\n");
    return 2;
  }
  const SaveKind* kind = nullptr;
  for (const SaveKind& k : save_kinds())
    if (std::strcmp(k.name, argv[1]) == 0) kind = &k;
  if (!kind || chdir(argv[2]) != 0) {
    std::fprintf(stderr, "toribe-save-victim: no kind %s or no folder %s\n", argv[1], argv[2]);
    return 2;
  }
  for (int i = 0;; i = 1 - i) {
    if (write(1, "b", 1) != 1) return 1;
    if (!kind->save(i)) {
      std::fprintf(stderr, "toribe-save-victim: %s could not be written\n", kind->file);
      return 1;
    }
    if (write(1, "e", 1) != 1) return 1;
  }
}
