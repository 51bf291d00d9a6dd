// ファイル → 印刷: the month shown, address labels and New Year postcards, each in
// the print preview; the address book's names can be unticked first.
#include "address/jyusho_file.h"
#include "core/platform.h"
#include "paper/address_pages.h"
#include "paper/calendar_page.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

namespace {

const QString kPrintTitle = QStringLiteral("印刷");

struct TickedAddresses {
  std::vector<PostalAddress> chosen;
  bool option = false;  // the check box below the names, where one was offered
};

// The addresses the user leaves ticked; nothing when there are none or on Cancel.
TickedAddresses ticked_addresses(Platform& platform, const QString& option = {}) {
  const std::vector<PostalAddress> book =
      postal_addresses(read_quoted_records(kAddressFile, kAddressFields).records);
  if (book.empty()) {
    platform.message("住所録に住所がありません。", MsgButtons::Ok, MsgIcon::Exclamation,
                     kPrintTitle);
    return {};
  }
  QStringList names;
  for (const PostalAddress& address : book)
    names << (address.name.isEmpty() ? "（名前なし）" + address.line1 : address.name);
  const std::optional<TickedNames> ticked = platform.choose_ticked(
      "宛名の選択", "印刷しない宛名はチェックを外してください。", names, option);
  if (!ticked) return {};
  TickedAddresses result{{}, ticked->option};
  for (size_t i = 0; i < book.size(); ++i)
    if (ticked->ticks.value(qsizetype(i))) result.chosen.push_back(book[i]);
  if (result.chosen.empty())
    platform.message("印刷する宛名がありません。", MsgButtons::Ok, MsgIcon::Exclamation,
                     kPrintTitle);
  return result;
}

}  // namespace

void Toribe::mnu_print_cal_Click() {
  CalendarSources sources;
  sources.syuku_dat = syuku_dat;
  sources.gyouji_dat = gyouji_dat;
  sources.holi_dat = holi_dat;
  sources.kinen_dat = kinen_dat;
  sources.memos = memo_txt.mid(1, memo_cnt);
  sources.calen_mode = m.calen_mode;
  sources.law = law_option(m);
  PaperDocument document{QString("%1年%2月").arg(cur_year).arg(cur_month), {}};
  document.pages.push_back(calendar_page(cur_year, cur_month, std::move(sources)));
  platform().print_preview(document);
}

void Toribe::mnu_print_label_Click() {
  const std::vector<PostalAddress> chosen = ticked_addresses(platform()).chosen;
  if (!chosen.empty()) platform().print_preview(label_pages(chosen));
}

void Toribe::mnu_print_card_Click() {
  const TickedAddresses ticked = ticked_addresses(platform(), "郵便番号の枠も印刷する");
  if (ticked.chosen.empty()) return;
  const PostcardPages cards =
      postcard_pages(ticked.chosen, ticked.option ? BoxOutlines::Draw : BoxOutlines::Omit);
  if (cards.left_out > 0)
    platform().message(QString("名前のない住所 %1 件は印刷しません。").arg(cards.left_out),
                       MsgButtons::Ok, MsgIcon::Information, kPrintTitle);
  if (!cards.document.pages.empty()) platform().print_preview(cards.document);
}
