#pragma once
// Standings of one league computed from a season, and the list lines that show
// them. A standing record is a 35-character text with fixed columns:
//   1-2 league number, 3-5 games, 6-8 wins, 9-11 losses, 12-13 draws,
//   14-17 runs scored, 18-21 runs allowed, 22-29 attendance, 30-35 rate text.
#include <QString>
#include <QStringList>
#include <array>

#include "baseball/season_file.h"

using LeagueRecords = std::array<QString, kLeagueTeams>;

// The twelve team names in table order, each five characters wide.
const std::array<QString, kTeams>& team_names();

// The number's signed text right-aligned in a column of n characters; a longer
// text keeps its last n characters.
QString column_text(qint64 value, int n);

// The winning rate over the decided games (games less draws), cut (not
// rounded) to four decimals: "0.6666" for 2 of 3.
QString rate_text(int wins, int decided);

// Runs per game as shown after its blank: " 5.00", " 4.21", " .500";
// "  0.00" (blank included) when there are no games.
QString average_column(int runs, int games);

// The records of teams first..last (1..6 or 7..12), sorted by winning rate,
// highest first; teams with the same rate text keep table order.
LeagueRecords league_records(const SeasonData& season, int first, int last);

// The list's column heads.
QString standings_header();

// The list line of rank 1..6 for one record; name_offset is 0 for the first
// league and 6 for the second.
QString standings_row(int rank, const QString& record, int name_offset);

// The lines shown when no season file could be read.
QStringList no_season_lines();
