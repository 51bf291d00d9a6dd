#include "exchange/vcard_writer.h"

#include "cards/meishi_file.h"

namespace {

// Address.DAT field order.
enum AddressField {
  kAdrName,
  kAdrPostcode,
  kAdrAddress1,
  kAdrAddress2,
  kAdrTel1,
  kAdrTel2,
  kAdrFax,
  kAdrMail
};

QString escaped(QString text) {
  text.replace('\\', "\\\\").replace(',', "\\,").replace(';', "\\;");
  text.replace("\r\n", "\\n").replace('\n', "\\n").replace('\r', "\\n");
  return text;
}

QString structured(const QStringList& parts) {
  QStringList out;
  for (const QString& part : parts) out << escaped(part);
  return out.join(';');
}

class Writer {
 public:
  void add(const QString& name, const QString& value, bool even_empty = false) {
    if (value.isEmpty() && !even_empty) return;
    bytes_ += folded_line(name + ':' + value);
  }
  void text(const QString& name, const QString& value) { add(name, escaped(value)); }
  void begin(const QString& name) {
    add("BEGIN", "VCARD");
    add("VERSION", "4.0");
    // FN is required even for a record without a name.
    add("FN", escaped(name), true);
    if (!name.isEmpty()) add("N", structured(split_name(name) + QStringList{"", "", ""}));
  }
  void end() { add("END", "VCARD"); }
  QByteArray bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

bool all_empty(const QStringList& parts) {
  for (const QString& part : parts)
    if (!part.isEmpty()) return false;
  return true;
}

}  // namespace

QStringList split_name(const QString& name) {
  for (qsizetype i = 0; i < name.size(); ++i)
    if (name[i] == ' ' || name[i] == u'\u3000') return {name.left(i), name.mid(i + 1)};
  return {name, QString()};
}

QByteArray folded_line(const QString& line) {
  const QByteArray utf8 = line.toUtf8();
  QByteArray out;
  qsizetype start = 0, width = 75;
  while (utf8.size() - start > width) {
    qsizetype cut = start + width;
    while (cut > start && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    out += utf8.mid(start, cut - start) + "\r\n ";
    start = cut;
    width = 74;  // the leading blank counts
  }
  return out + utf8.mid(start) + "\r\n";
}

QByteArray address_vcards(const std::vector<QStringList>& records) {
  Writer w;
  for (const QStringList& r : records) {
    if (r.size() <= kAdrMail) continue;
    w.begin(r[kAdrName]);
    const QStringList adr{"", r[kAdrAddress2], r[kAdrAddress1], "", "", r[kAdrPostcode], ""};
    if (!all_empty(adr)) w.add("ADR;TYPE=home", structured(adr));
    w.text("TEL;TYPE=voice", r[kAdrTel1]);
    w.text("TEL;TYPE=voice", r[kAdrTel2]);
    w.text("TEL;TYPE=fax", r[kAdrFax]);
    w.text("EMAIL", r[kAdrMail]);
    w.end();
  }
  return w.bytes();
}

QByteArray card_vcards(const std::vector<QStringList>& records) {
  Writer w;
  const QStringList sample = sample_card();
  for (const QStringList& r : records) {
    if (r.size() < kCardFields || r == sample) continue;
    w.begin(r[kName]);
    if (!r[kCompany].isEmpty() || !r[kDepartment].isEmpty())
      w.add("ORG", r[kDepartment].isEmpty() ? escaped(r[kCompany])
                                            : structured({r[kCompany], r[kDepartment]}));
    w.text("TITLE", r[kTitle]);
    const QStringList adr{"", "", r[kAddress], "", "", r[kPostcode], ""};
    if (!all_empty(adr)) w.add("ADR;TYPE=work", structured(adr));
    w.text("TEL;TYPE=work,voice", r[kPhone1]);
    w.text("TEL;TYPE=work,voice", r[kPhone2]);
    w.text("TEL;TYPE=work,fax", r[kFax]);
    w.text("EMAIL;TYPE=work", r[kMail]);
    w.end();
  }
  return w.bytes();
}
