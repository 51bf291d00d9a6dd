#include "reliability/save_kinds.h"

#include <array>

#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "reliability/format_gen.h"
#include "settings/settings.h"

namespace {

// The contents of a kind, made once per process: A from seed 1, B from seed 2, every
// table full.
template <typename Content, typename Make>
const Content& content(int which, Make make) {
  static const std::array<Content, 2> both = [&] {
    RecordGen a(1), b(2);
    return std::array<Content, 2>{make(a), make(b)};
  }();
  return both[which];
}

Module1 long_settings(RecordGen& gen) {
  // Twelve lines whatever the content; long ones make the save take its time.
  Module1 m = gen_settings(gen);
  for (QString& line : m.ini_tor) line = gen.filled_text(800, ",");
  return m;
}

QuotedRecords quoted(RecordGen& gen, const QList<int>& lengths, int limit) {
  QuotedRecords file;
  for (const QStringList& record : gen_quoted_records(gen, lengths, limit, true))
    file.records.push_back(record);
  return file;
}

bool save_settings(int which) {
  return write_ini(content<Module1>(which, long_settings), kSettingsFile);
}

bool save_holidays(int which) {
  const auto& table = content<HoliTable>(which, [](RecordGen& gen) {
    HoliTable t = gen_holidays(gen, true);
    normalise_holidays(t);
    return t;
  });
  return write_lines(kHolidayFile, holiday_file_lines(table));
}

bool save_memorials(int which) {
  const auto& table =
      content<KinenTable>(which, [](RecordGen& gen) { return gen_memorials(gen, true); });
  return write_lines(kMemorialFile, memorial_file_lines(table));
}

bool save_memos(int which) {
  const auto& memos =
      content<QStringList>(which, [](RecordGen& gen) { return gen_memos(gen, true); });
  return write_lines(kMemoFile, full_form_file(memos));
}

bool save_addresses(int which) {
  const auto& book = content<QuotedRecords>(
      which, [](RecordGen& gen) { return quoted(gen, kAddressLengths, 500); });
  return write_quoted_records("Address.DAT", book);
}

bool save_cards(int which) {
  const auto& cards = content<QuotedRecords>(which, [](RecordGen& gen) {
    return quoted(gen, {20, 40, 12, 12, 10, 40, 16, 16, 16, 30}, kCardLimit);
  });
  return write_cards(kCardFile, cards, true);
}

bool save_gifts(int which) {
  const auto& gifts =
      content<ZoutouData>(which, [](RecordGen& gen) { return gen_gifts(gen, true); });
  return write_zoutou(kZoutouFile, gifts);
}

bool save_ledger(int which) {
  const auto& tables =
      content<KozTables>(which, [](RecordGen& gen) { return gen_ledger(gen, 2003, true); });
  return write_koz_file(koz_file_name(2003), tables);
}

}  // namespace

const std::vector<SaveKind>& save_kinds() {
  static const std::vector<SaveKind> kinds{
      {"settings", "Toribe.ini", save_settings},    {"holiday", "Holiday.DAT", save_holidays},
      {"memorial", "Memorial.DAT", save_memorials}, {"memo", "memo.dat", save_memos},
      {"address", "Address.DAT", save_addresses},   {"cards", "Meishi.DAT", save_cards},
      {"gifts", "ZOUTOU.ZOU", save_gifts},          {"ledger", "TO2003.KOZ", save_ledger},
  };
  return kinds;
}
