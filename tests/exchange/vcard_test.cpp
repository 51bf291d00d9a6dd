#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "address/jyusho_file.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"
#include "exchange/exchange.h"
#include "exchange/vcard_writer.h"

namespace {

QByteArray sjis_qp(const QString& text) {
  QByteArray out;
  for (char c : to_cp932(text)) out += '=' + QByteArray::number(uchar(c), 16).toUpper();
  return out;
}

QList<Vcard> cards_of(const QByteArray& bytes) {
  const auto read = read_vcards(bytes);
  if (const auto* error = std::get_if<VcardError>(&read))
    ADD_FAILURE() << error->message.toStdString();
  return std::get_if<QList<Vcard>>(&read) ? std::get<QList<Vcard>>(read) : QList<Vcard>();
}

}  // namespace

TEST(VcardReader, EachVersionGivesTheAddressFields) {
  const QByteArray name = sjis_qp("山田　花子");
  const struct {
    QByteArray input;
    QStringList fields;  // Address.DAT order
  } rows[] = {
      // 2.1 from a phone: Shift_JIS quoted-printable with a soft break, bare types.
      {"BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" +
           name.left(13) + "=\r\n" + name.mid(13) +
           ";\r\nTEL;WORK;FAX:03-1\r\nTEL;CELL:090-1\r\nTEL:03-2\r\nTEL:03-3\r\n"
           "EMAIL;INTERNET:h@x.jp\r\nEND:VCARD\r\n",
       {"山田　花子", "", "", "", "090-1", "03-2", "03-1", "h@x.jp"}},
      // 3.0: folded, escaped, grouped, quoted types; FN wins over N; home address first.
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;John\r\nFN:Jo\r\n hn\\, Jr.\r\nitem1.EMAIL:a@b\r\n"
       "ADR;TYPE=work:;;Work St;;;9;\r\nADR;TYPE=\"home,pref\":;Flat\\;2;1 Main "
       "St;Springfield;IL;12345;\r\n"
       "TEL;TYPE=\"voice,fax\":55\r\nEND:VCARD\r\n",
       {"John, Jr.", "12345", "IL Springfield 1 Main St", "Flat;2", "", "", "55", "a@b"}},
      // 4.0: a tel: URI, an address of one part, a Japanese address run together.
      {"\xEF\xBB\xBF"
       "BEGIN:VCARD\nVERSION:4.0\nFN:東 一\nTEL;VALUE=uri;TYPE=voice:tel:+81-3\n"
       "ADR:;;丸の内1-1;千代田区;東京都;;\nEND:VCARD\n",
       {"東 一", "", "東京都千代田区丸の内1-1", "", "+81-3", "", "", ""}},
  };
  for (const auto& row : rows) {
    const QList<Vcard> cards = cards_of(row.input);
    ASSERT_EQ(cards.size(), 1) << row.input.toStdString();
    EXPECT_EQ(contact_fields(cards[0], ContactBook::Addresses), row.fields);
  }
}

TEST(VcardReader, MalformedInputNamesItsLine) {
  const QByteArray card = "BEGIN:VCARD\r\nFN:a\r\nEND:VCARD\r\n";
  const struct {
    QByteArray input;
    int line;
    QString message;
  } rows[] = {
      {card + "BEGIN:VCARD\r\nFN:b\r\n", 4, "END:VCARD がありません"},
      {card + "BEGIN:VCARD\r\nFN:b\r\n" + card, 4, "END:VCARD がありません"},
      {"BEGIN:VCARD\r\nN;ENCODING=QUOTED-PRINTABLE:=8\r\nEND:VCARD\r\n", 2, "quoted-printable"},
      {"BEGIN:VCARD\r\nN;ENCODING=QUOTED-PRINTABLE:=G1\r\nEND:VCARD\r\n", 2, "quoted-printable"},
      {"BEGIN:VCARD\r\nFN;CHARSET=X-NOWHERE:a\r\nEND:VCARD\r\n", 2, "X-NOWHERE"},
      {"BEGIN:VCARD\r\nFN;CHARSET=UTF-8:\xFF\xFE\r\nEND:VCARD\r\n", 2, "文字コード"},
      {card + "NOTE:" + QByteArray(kMaxVcardLine, 'x') + "\r\n", 4, "長すぎ"},
      {card + QByteArray("\x89PNG\r\n\x1A\n\0\0", 11), 5, "文字でない"},
      {"hello\r\n", 1, "形式"},
      {card + "END:VCARD\r\n", 4, "BEGIN:VCARD のない"},
  };
  for (const auto& row : rows) {
    const auto read = read_vcards(row.input);
    const auto* error = std::get_if<VcardError>(&read);
    ASSERT_TRUE(error) << row.message.toStdString();
    EXPECT_EQ(error->line, row.line) << row.message.toStdString();
    EXPECT_TRUE(error->message.contains(row.message)) << error->message.toStdString();
  }
}

TEST(VcardWriter, FoldsAtCharacterBoundariesAndEscapesText) {
  const QByteArray out =
      address_vcards({{QString(40, u'あ') + "　太郎", "", "a,b;c\\d", "", "", "", "", ""}});
  for (const QByteArray& line : out.split('\n')) {
    EXPECT_LE(line.size(), 76);  // 75 octets and the CR
    EXPECT_FALSE(QString::fromUtf8(line).contains(QChar::ReplacementCharacter));
  }
  const QByteArray unfolded = QByteArray(out).replace("\r\n ", "");
  EXPECT_TRUE(unfolded.contains(("N:" + QString(40, u'あ') + ";太郎;;;\r\n").toUtf8()));
  EXPECT_TRUE(unfolded.contains("ADR;TYPE=home:;;a\\,b\\;c\\\\d;;;;\r\n"));
  EXPECT_FALSE(unfolded.contains("TEL"));  // empty fields give no property
  EXPECT_EQ(split_name("山田 太郎　様"), QStringList({"山田", "太郎　様"}));
  EXPECT_TRUE(card_vcards({sample_card()}).isEmpty());
}

TEST(VcardImport, ExportThenImportIntoAnEmptyFolderGivesTheSameFiles) {
  QTemporaryDir from, to;
  const QString addresses =
      "\"山田　太郎\",\"100-0001\",\"東京都千代田区;1,2\",\"ビル\\5F\",\"03-1\",\"03-2\",\"03-3\","
      "\"t@x\"\r\n"
      "\"ｶﾀｶﾅ\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  const QString cards =
      "\"株式会社　鳥\",\"営業部;一課\",\"課長\",\"鈴木　一郎\",\"123\",\"大阪市\",\"06-1\",\"\","
      "\"06-2\",\"s@x\"\r\n"
      "\"\",\"\",\"\",\"名無し\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  ASSERT_TRUE(write_bytes(from.filePath(kAddressFile), to_cp932(addresses)));
  ASSERT_TRUE(write_bytes(from.filePath(kCardFile), to_cp932(cards)));
  for (ContactBook book : {ContactBook::Addresses, ContactBook::Cards}) {
    const auto outcome =
        import_contacts(to.path(), book, export_contacts(from.path(), book), "x.vcf");
    ASSERT_TRUE(std::holds_alternative<ImportSummary>(outcome));
    EXPECT_EQ(std::get<ImportSummary>(outcome).taken, 2);
  }
  for (const QString& name : {kAddressFile, kCardFile}) {
    QFile a(from.filePath(name)), b(to.filePath(name));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll()) << name.toStdString();
  }
}

TEST(VcardImport, DuplicatesLimitsAndDroppedCharactersAreCounted) {
  QuotedRecords book;
  book.records = {{"山田", "", "", "", "03-1", "", "", ""}};
  for (int i = 1; i < 498; ++i)
    book.records.push_back({QString::number(i), "", "", "", "", "", "", ""});
  const auto card = [](const QByteArray& fn, const QByteArray& tel) {
    return "BEGIN:VCARD\r\nFN:" + fn + "\r\nTEL:" + tel + "\r\nEND:VCARD\r\n";
  };
  const QByteArray input = card("山田", "03-1") + card("山田", "03-9") + card("\"川\"😀〜", "1") +
                           card("山田", "03-9") + card("海", "2") + card("空", "3");
  const ImportSummary summary = append_contacts(book, cards_of(input), ContactBook::Addresses);
  EXPECT_EQ(summary.text(), "2件を読み込みました（登録済み 2件、上限超過 2件、除いた文字 3字）");
  EXPECT_EQ(book.records.size(), 500u);
  EXPECT_EQ(book.records.back()[0], "川～");  // a phone's 〜 is kept as CP932 holds it
}

TEST(VcardImport, AFailedImportLeavesTheBookUntouched) {
  QTemporaryDir dir;
  const QByteArray before = "\"a\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\nhand-written line\r\n";
  ASSERT_TRUE(write_bytes(dir.filePath(kAddressFile), before));
  const auto outcome =
      import_contacts(dir.path(), ContactBook::Addresses,
                      "BEGIN:VCARD\r\nFN:b\r\nEND:VCARD\r\nBEGIN:VCARD\r\n", "in.vcf");
  EXPECT_EQ(std::get<QString>(outcome), "ファイル「in.vcf」の 4 行目: END:VCARD がありません。");
  QFile file(dir.filePath(kAddressFile));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  // Nothing taken, nothing written: the card file is not created.
  import_contacts(dir.path(), ContactBook::Cards, "", "empty.vcf");
  EXPECT_FALSE(QFile::exists(dir.filePath(kCardFile)));
}
