#include "sync/sync_record.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include "cards/meishi_boxes.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"

namespace {

// The lengths the windows' boxes accept; 0 where a field has no limit.
int field_limit(RecordKind kind, qsizetype field) {
  return kind == RecordKind::Card && field < kCardFields ? kCardBoxes[field].max_length : 0;
}

const QRegularExpression kControls("[\\x00-\\x08\\x0B-\\x1F\\x7F]");

bool one_line(RecordKind kind) { return kind != RecordKind::Memo; }

}  // namespace

QByteArray record_hash(const SyncRecord& record) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(record_key(record).toUtf8());
  for (const QString& field : record.fields) hash.addData(QByteArray(1, '\0') + field.toUtf8());
  return hash.result().left(16);
}

QString record_key(const SyncRecord& record) {
  return QString::number(int(record.kind)) + ':' + record.key;
}

int fit_record(SyncRecord& record) {
  int dropped = 0;
  for (qsizetype i = 0; i < record.fields.size(); ++i) {
    QString& text = record.fields[i];
    text.replace("\r\n", "\n").replace('\r', '\n');
    if (one_line(record.kind)) text.replace('\n', ' ');
    // Control characters are nothing a box can hold; iCalendar writers drop some.
    const qsizetype before = text.size();
    text.remove(kControls);
    dropped += int(before - text.size());
    // A double quote would end a quoted field early.
    if (record.kind == RecordKind::Address || record.kind == RecordKind::Card)
      dropped += int(text.count('"')), text.remove('"');
    // 〜 and its kin as phones send them are kept in CP932's own forms.
    text = replace_with_cp932_forms(text);
    dropped += int(take_out_unsaveable(text).toUcs4().size());
    if (const int limit = field_limit(record.kind, i); limit > 0 && text.size() > limit) {
      dropped += int(text.size() - limit);
      text.truncate(limit);
    }
  }
  return dropped;
}
