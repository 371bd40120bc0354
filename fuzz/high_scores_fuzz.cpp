// Feeds arbitrary bytes to the hscores.dat decoder the way the game reads the
// file: the first 200 bytes are the table (a shorter file never reaches the
// decoder). What follows offers a score and a name to the decoded table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/high_score_table.h"

namespace {

void CheckNamesFit(const coilrun::HighScoreTable& table) {
  for (const coilrun::HighScoreEntry& entry : table) {
    if (entry.Name.size() > coilrun::kMaxNameLength) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  coilrun::HighScoreRecord record;
  if (size < record.size()) return 0;
  std::copy_n(data, record.size(), record.begin());
  coilrun::HighScoreTable table = coilrun::DecodeHighScores(record);
  CheckNamesFit(table);
  if (coilrun::DecodeHighScores(coilrun::EncodeHighScores(table)) != table) std::abort();

  // Up to four little-endian score bytes, then the name.
  std::size_t at = record.size();
  std::uint32_t score = 0;
  for (int shift = 0; shift < 32 && at < size; shift += 8) score |= static_cast<std::uint32_t>(data[at++]) << shift;
  const std::string_view name(reinterpret_cast<const char*>(data + at), size - at);
  const int place = coilrun::FindHighScoreRank(table, static_cast<std::int32_t>(score));
  if (place < 0 || place > coilrun::kHighScoreRows) std::abort();
  if (place == 0) return 0;
  coilrun::InsertHighScore(table, place, name, static_cast<std::int32_t>(score));
  CheckNamesFit(table);
  if (table[place - 1].Score != static_cast<std::int32_t>(score)) std::abort();
  return 0;
}
