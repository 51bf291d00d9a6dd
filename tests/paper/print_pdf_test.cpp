// The print commands' PDFs, read back with poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "core/text_file.h"
#include "paper/address_pages.h"

namespace {

constexpr double kMmPerPt = 25.4 / 72;

struct Output {
  int status = -1;
  QString out, err;
};

Output run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

struct Word {
  QRectF mm;
  QString text;
};

// Every page's words with their boxes in mm.
std::vector<std::vector<Word>> pdf_words(const QString& pdf) {
  QXmlStreamReader xml(run("pdftotext", {"-bbox", pdf, "-"}).out);
  std::vector<std::vector<Word>> pages;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"page") pages.emplace_back();
    if (xml.name() != u"word") continue;
    const auto a = xml.attributes();
    const QPointF top_left(a.value("xMin").toDouble(), a.value("yMin").toDouble());
    const QPointF bottom_right(a.value("xMax").toDouble(), a.value("yMax").toDouble());
    pages.back().push_back(
        {QRectF(top_left * kMmPerPt, bottom_right * kMmPerPt), xml.readElementText()});
  }
  return pages;
}

class PrintPdf : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path(const QString& name) { return dir.filePath(name); }
  Output toribe(QStringList args) { return run(TORIBE_EXE, args << "--data" << dir.path()); }
  void write_book() {
    write_lines(path("Address.DAT"),
                {R"("山田太郎","100-0001","東京都千代田区1-2","","","","","")",
                 R"("","","名前のない住所","","","","","")",
                 R"("佐藤花子","5300001","大阪市北区（梅田）","","","","","")"});
  }
};

TEST_F(PrintPdf, PagesHaveTheirPaperSizeAndEmbeddedFonts) {
  write_book();
  const struct {
    QStringList command;
    int pages;
    QSizeF mm;
  } cases[] = {
      {{"print", "calendar", "2026-12", "month.pdf"}, 1, {297, 210}},
      {{"print", "labels", "labels.pdf"}, 1, {210, 297}},
      {{"print", "postcards", "cards.pdf"}, 2, {100, 148}},
      {{"print", "postcards", "--boxes", "boxed.pdf"}, 2, {100, 148}},
  };
  for (const auto& c : cases) {
    const QString pdf = path(c.command.last());
    ASSERT_EQ(toribe(c.command.mid(0, c.command.size() - 1) << pdf).status, 0) << pdf.toStdString();
    const QString info = run("pdfinfo", {"-l", "99", pdf}).out;
    // Qt writes the page's box in whole points.
    static const QRegularExpression size("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts");
    int pages = 0;
    for (auto m = size.globalMatch(info); m.hasNext(); ++pages) {
      const auto page = m.next();
      EXPECT_NEAR(page.captured(1).toDouble() * kMmPerPt, c.mm.width(), 0.4) << pdf.toStdString();
      EXPECT_NEAR(page.captured(2).toDouble() * kMmPerPt, c.mm.height(), 0.4) << pdf.toStdString();
    }
    EXPECT_EQ(pages, c.pages) << pdf.toStdString();
    EXPECT_TRUE(run("pdffonts", {pdf}).out.contains(QRegularExpression("IPAMincho.* yes ")));
  }
}

TEST_F(PrintPdf, PostcardDigitsSitInTheirBoxesAndTheAddressReadsDownwards) {
  write_book();
  ASSERT_EQ(toribe({"print", "postcards", path("cards.pdf")}).status, 0);
  const auto pages = pdf_words(path("cards.pdf"));
  ASSERT_EQ(pages.size(), 2u);
  std::vector<Word> digits, address;
  for (const Word& w : pages[0]) {
    if (w.text.size() == 1 && w.text[0].isDigit() && w.mm.top() < 25) digits.push_back(w);
    if (w.mm.center().x() > 85 && w.mm.top() > 25) address.push_back(w);
  }
  ASSERT_EQ(digits.size(), 7u);
  std::sort(digits.begin(), digits.end(),
            [](const Word& a, const Word& b) { return a.mm.left() < b.mm.left(); });
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(digits[size_t(i)].text, QString("1000001")[i]);
    const QPointF off = digits[size_t(i)].mm.center() - postcode_box_centre(i);
    EXPECT_LT(std::hypot(off.x(), off.y()), 0.5) << i;
  }
  std::sort(address.begin(), address.end(),
            [](const Word& a, const Word& b) { return a.mm.top() < b.mm.top(); });
  QString read;
  for (const Word& w : address) read += w.text;
  EXPECT_EQ(read, "東京都千代田区一ー二");
}

TEST_F(PrintPdf, BadInputIsAJapaneseMessageAndNoFile) {
  const QString unwritable = path("no/such/folder/cards.pdf");
  const struct {
    bool book;
    QStringList command;
    int status;
    QString message;
  } cases[] = {
      {false, {"print", "labels", path("a.pdf")}, 1, "住所録（Address.DAT）に住所がありません。"},
      {false,
       {"print", "postcards", path("a.pdf")},
       1,
       "住所録（Address.DAT）に住所がありません。"},
      {true, {"print", "postcards", unwritable}, 1, "「" + unwritable + "」に書き込めません"},
      {true, {"print", "calendar", "2026-13", path("a.pdf")}, 2, "「2026-13」は年月ではありません"},
  };
  for (const auto& c : cases) {
    if (c.book) write_book();
    const Output out = toribe(c.command);
    EXPECT_EQ(out.status, c.status) << c.message.toStdString();
    EXPECT_TRUE(out.err.contains(c.message)) << out.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("a.pdf")));
    EXPECT_FALSE(QFile::exists(unwritable));
  }
}

}  // namespace
