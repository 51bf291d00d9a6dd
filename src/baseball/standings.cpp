#include "baseball/standings.h"

#include "core/number_text.h"

namespace {

struct Totals {
  int games = 0, wins = 0, losses = 0, draws = 0, scored = 0, allowed = 0;
  qint64 attendance = 0;
};

int record_number(const QString& record, int first_char, int n) {
  return int(text_to_number(record.mid(first_char - 1, n)));
}

QString standing_record(int league_number, const Totals& t) {
  return column_text(league_number, 2) + column_text(t.games, 3) + column_text(t.wins, 3) +
         column_text(t.losses, 3) + column_text(t.draws, 2) + column_text(t.scored, 4) +
         column_text(t.allowed, 4) + column_text(t.attendance, 8) +
         rate_text(t.wins, t.games - t.draws);
}

}  // namespace

const std::array<QString, kTeams>& team_names() {
  static const std::array<QString, kTeams> names = {
      "巨　人　　", "ヤクルト　", "横　浜　　", "阪　神　　", "広　島　　", "中　日　　",
      "オリックス", "西　武　　", "近　鉄　　", "日本ハム　", "ロッテ　　", "ダイエー　",
  };
  return names;
}

QString column_text(qint64 value, int n) {
  return (QString(n, ' ') + signed_text(double(value))).right(n);
}

QString rate_text(int wins, int decided) {
  if (decided < 1) return "0.0000";
  if (wins == decided) return "1.0000";
  const QString text = (general_text(double(wins) / decided) + "000000").left(6);
  return text == "000000" ? "0.0000" : text;
}

QString average_column(int runs, int games) {
  if (games == 0) return "  0.00";
  const QString tail = runs % games == 0 ? ".00" : "000";
  return " " + (signed_text(double(runs) / games) + tail).left(5);
}

LeagueRecords league_records(const SeasonData& season, int first, int last) {
  std::array<Totals, kLeagueTeams> totals;
  for (int t = first; t <= last; ++t) {
    const int n = t > kLeagueTeams ? t - kLeagueTeams : t;
    for (int o = 1; o <= kLeagueTeams; ++o)
      for (const QString& field : season[t - 1][o - 1]) {
        if (field.isEmpty()) continue;
        const Game game = read_game(field);
        Totals& team = totals[n - 1];
        Totals& other = totals[o - 1];
        ++team.games;
        ++other.games;
        team.scored += game.runs;
        team.allowed += game.runs_other;
        other.scored += game.runs_other;
        other.allowed += game.runs;
        // The game's attendance is credited to the opponent's column.
        other.attendance += game.attendance;
        if (game.runs > game.runs_other) {
          ++team.wins;
          ++other.losses;
        } else if (game.runs < game.runs_other) {
          ++other.wins;
          ++team.losses;
        } else {
          ++team.draws;
          ++other.draws;
        }
      }
  }
  LeagueRecords records;
  for (int c = 1; c <= kLeagueTeams; ++c) records[c - 1] = standing_record(c, totals[c - 1]);
  // Neighbours swap only when the lower one is strictly higher, so equal rate
  // texts keep table order.
  for (int pass = 0; pass < kLeagueTeams - 1; ++pass)
    for (int i = 0; i < kLeagueTeams - 1 - pass; ++i)
      if (text_to_number(records[i + 1].right(6)) > text_to_number(records[i].right(6)))
        std::swap(records[i], records[i + 1]);
  return records;
}

QString standings_header() {
  return QString("　チーム名 ") + "　試合数" + "　勝" + "　 負" + " 分" + "　勝率" + " 　 得点" +
         "　失点" + " 得平均" + "  失平均" + "　観客数";
}

QString standings_row(int rank, const QString& record, int name_offset) {
  const int league_number = record_number(record, 1, 2);
  const int games = record_number(record, 3, 3);
  const int index = league_number + name_offset - 1;
  const QString name = index >= 0 && index < kTeams ? team_names()[index] : QString();
  return signed_text(double(rank)) + "] " + name + " " + record.mid(2, 3) + " " + record.mid(5, 3) +
         " " + record.mid(8, 3) + record.mid(11, 2) + "  " + record.mid(29, 6) + " " +
         record.mid(13, 4) + " " + record.mid(17, 4) +
         average_column(record_number(record, 14, 4), games) +
         average_column(record_number(record, 18, 4), games) + " " + record.mid(21, 8);
}

QStringList no_season_lines() {
  return {
      "",
      "",
      "",
      "",
      "　　　　プロ野球の成績データが見つかりません！！",
      "　　　　「トリベ」を解凍したフォルダーに Bas1996.dat 等の",
      "　　　　ファイルがあるか確認して下さい｡ \"",
      "　　　　ファイルが見つからない場合は、再度「トリベ」を",
      "　　　　インストールしてみて下さい。",
  };
}
