// toribe-limit-files FOLDER: fills FOLDER with every data file at its limit.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "bench/limit_files.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: toribe-limit-files FOLDER\n");
    return 2;
  }
  QDir().mkpath(argv[1]);
  write_limit_files(QString::fromLocal8Bit(argv[1]));
  return 0;
}
