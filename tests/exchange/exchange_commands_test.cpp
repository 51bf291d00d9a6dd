#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/command_line.h"
#include "core/text_file.h"

namespace {

int run(QStringList words) {
  QList<QByteArray> bytes{"toribe"};
  for (const QString& word : words) bytes << word.toLocal8Bit();
  QList<char*> argv;
  for (QByteArray& b : bytes) argv << b.data();
  return run_command_line(int(argv.size()), argv.data()).value_or(-1);
}

}  // namespace

TEST(ExchangeCommands, ExitStatusSaysWhoCanMendIt) {
  QTemporaryDir dir;
  const QString in = dir.filePath("in.vcf"), bad = dir.filePath("bad.vcf");
  ASSERT_TRUE(write_bytes(in, "BEGIN:VCARD\r\nFN:a\r\nEND:VCARD\r\n"));
  ASSERT_TRUE(write_bytes(bad, "BEGIN:VCARD\r\n"));
  const struct {
    QStringList words;
    int status;
  } rows[] = {
      {{"import", "cards", in, "--data", dir.path()}, 0},
      {{"--data", dir.path(), "export", "cards", dir.filePath("out.vcf")}, 0},
      {{"export", "calendar", dir.filePath("c.ics"), "--from", "2030", "--data", dir.path()}, 0},
      {{"import", "cards", bad, "--data", dir.path()}, 1},
      {{"import", "addresses", dir.filePath("none.vcf"), "--data", dir.path()}, 1},
      {{"export", "gifts", dir.filePath("no/such/folder.csv"), "--data", dir.path()}, 1},
      {{"export", "ledger", "x.csv", "--year", "26", "--data", dir.path()}, 2},
      {{"export", "calendar", "x.ics", "--from", "2030", "--to", "2029", "--data", dir.path()}, 2},
      {{"export", "cards", "--data", dir.path()}, 2},
      {{"import", "cards", in, "--from", "2030", "--data", dir.path()}, 2},
  };
  for (const auto& row : rows)
    EXPECT_EQ(run(row.words), row.status) << row.words.join(' ').toStdString();
  EXPECT_EQ(read_lines(dir.filePath("Meishi.DAT")).value(),
            QStringList{R"("","","","a","","","","","","")"});
  EXPECT_TRUE(QFile::exists(dir.filePath("out.vcf")) && QFile::exists(dir.filePath("c.ics")));
}
