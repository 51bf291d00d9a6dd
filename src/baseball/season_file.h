#pragma once
// Season files BasYYYY.DAT: every game of one season, 2160 fields in the order
// team 1..12, opponent's league number 1..6, game 1..30. A field is empty (no
// game) or a game text: runs of the block's team (characters 1-2), runs of the
// opponent (3-4) and the attendance (5-9).
#include <QString>
#include <array>
#include <optional>

constexpr int kTeams = 12;
constexpr int kLeagueTeams = 6;
constexpr int kGamesPerOpponent = 30;
constexpr int kSeasonFields = kTeams * kLeagueTeams * kGamesPerOpponent;

// bas_data(team 1..12, opponent 1..6, game 1..30), stored from index 0.
using SeasonData =
    std::array<std::array<std::array<QString, kGamesPerOpponent>, kLeagueTeams>, kTeams>;

// "Bas2003.DAT"
QString season_file_name(const QString& year);

// The fields of a season file's text, in order. Commas and line ends (CR LF, LF
// or CR) separate them; an empty line is one empty field. A field whose first
// non-blank character is a double quote runs to the closing quote, keeps any
// commas inside and loses the quotes; whatever follows the closing quote up to
// the next comma is dropped. Any other field is kept exactly, blanks included,
// since the game text counts its characters from the first.
QStringList season_fields(const QString& text);

// The season as the file holds it; nothing when the file cannot be opened or
// holds fewer than 2160 fields. Fields past the 2160th are ignored.
std::optional<SeasonData> read_season(const QString& path);

struct Game {
  int runs = 0;        // of the team whose block holds the game
  int runs_other = 0;  // of its opponent
  int attendance = 0;
};
// A game text's three parts, each read as a number; an empty part counts 0.
Game read_game(const QString& field);
