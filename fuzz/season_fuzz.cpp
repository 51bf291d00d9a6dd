// Season files: any bytes read and, when they hold a season, the standings of
// both leagues computed and laid out.
#include "baseball/season_file.h"
#include "baseball/standings.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto season = read_season(fuzz_file(data, size, "Bas2003.DAT"));
  if (!season) return 0;
  for (const auto& [first, last, offset] : {std::tuple{1, 6, 0}, std::tuple{7, 12, 6}}) {
    const LeagueRecords records = league_records(*season, first, last);
    for (int rank = 0; rank < kLeagueTeams; ++rank)
      FUZZ_CHECK(!standings_row(rank + 1, records[rank], offset).isEmpty());
  }
  return 0;
}
