#include "engine/rule_state.h"

#include <memory>
#include <type_traits>

namespace coilrun {

namespace {

// One list of the rule state's fields, in their order, for writing, reading
// and checksumming alike: each pass hands every field to `io`.
template <class Model, class Io>
void EachField(Model& model, Io& io) {
  for (auto* grid : {&model.LevelGrid, &model.LevelBackup}) {
    const auto eachCell = [&](auto field) {
      for (int x = 0; x < kGridColumns; ++x) {
        for (int y = 0; y < kGridRows; ++y) field(grid->at(x, y));
      }
    };
    eachCell([&](auto& cell) { io(cell.Content); });
    eachCell([&](auto& cell) { io(cell.Occupied); });
    for (std::size_t k = 0; k < 8; ++k) eachCell([&](auto& cell) { io(cell.Extra[k]); });
  }
  for (int player = 1; player <= kMaxPlayers; ++player) {
    auto& snake = model.Players[player];
    for (auto& x : snake.BodyX) io(x);
    for (auto& y : snake.BodyY) io(y);
    io(snake.Direction);
    io(snake.Length);
    io(snake.Lives);
    io(snake.Wins);
    io(snake.Score);
    io(snake.RoundScore);
    io(snake.Color);
  }
  io(model.ScreenState);
  io(model.TargetX);
  io(model.TargetY);
  io(model.TargetNumber);
  io(model.LevelNumber);
  auto& settings = model.Settings;
  io(settings.Wrap);
  io(settings.Long);
  io(settings.Competition);
  io(settings.PlayerCount);
  io(settings.WinsTarget);
  io(settings.ExtendedMessageShown);
  io(settings.LevelsSkipped);
  io(settings.BuiltInLevels);
  io(settings.Paused);
  io(settings.MixBricksColors);
  // Normal bricks take their Content from the brick colour as a level loads.
  io(settings.BrickColors[0]);
}

// The unsigned integer of a field's width: bytes are taken from it.
template <class T>
struct UnsignedOf {
  using Plain = std::remove_const_t<T>;
  using type = std::make_unsigned_t<
      typename std::conditional_t<std::is_enum_v<Plain>, std::underlying_type<Plain>, std::type_identity<Plain>>::type>;
};
template <>
struct UnsignedOf<bool> {
  using type = std::uint8_t;
};
template <>
struct UnsignedOf<const bool> {
  using type = std::uint8_t;
};
template <class T>
using Unsigned = typename UnsignedOf<T>::type;

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  template <class T>
  void operator()(const T& field) {
    const auto value = static_cast<Unsigned<T>>(field);
    for (std::size_t i = 0; i < sizeof(value); ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  template <class T>
  void operator()(T& field) {
    Unsigned<T> value = 0;
    for (std::size_t i = 0; i < sizeof(value); ++i)
      value |= static_cast<Unsigned<T>>(Unsigned<T>{bytes_[at_++]} << (8 * i));
    if constexpr (std::is_same_v<T, bool>) {
      field = value != 0;
    } else {
      field = static_cast<T>(value);
    }
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

class Hasher {
 public:
  template <class T>
  void operator()(const T& field) {
    const auto value = static_cast<Unsigned<T>>(field);
    for (std::size_t i = 0; i < sizeof(value); ++i) {
      hash_ ^= static_cast<std::uint8_t>(value >> (8 * i));
      hash_ *= kPrime;
    }
  }
  std::uint32_t hash() const { return hash_; }

 private:
  static constexpr std::uint32_t kPrime = 16777619u;
  std::uint32_t hash_ = 2166136261u;
};

}  // namespace

std::vector<std::uint8_t> RuleStateBytes(const GameModel& model) {
  std::vector<std::uint8_t> bytes;
  Writer writer(bytes);
  EachField(model, writer);
  return bytes;
}

std::size_t RuleStateSize() {
  static const std::size_t size = RuleStateBytes(GameModel{}).size();
  return size;
}

// The bounds the rules rely on: a body fits its entries with one to spare,
// a heading is one of four, and the counts stay within what the course sets.
bool WithinRuleBounds(const GameModel& model) {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const PlayerState& snake = model.Players[player];
    const auto direction = static_cast<int>(snake.Direction);
    if (snake.Length < 0 || snake.Length >= kBodyCapacity) return false;
    if (direction < static_cast<int>(Direction::Left) || direction > static_cast<int>(Direction::Down)) return false;
  }
  const GameSettings& settings = model.Settings;
  return model.ScreenState <= DisappointmentScreen && model.TargetNumber >= 0 && model.TargetNumber <= 9 &&
         settings.PlayerCount >= 1 && settings.PlayerCount <= kMaxPlayers && settings.WinsTarget >= 1 &&
         settings.WinsTarget <= kMaxWinsTarget;
}

bool RestoreRuleState(std::span<const std::uint8_t> bytes, GameModel& model) {
  if (bytes.size() != RuleStateSize()) return false;
  auto restored = std::make_unique<GameModel>(model);
  Reader reader(bytes);
  EachField(*restored, reader);
  if (!WithinRuleBounds(*restored)) return false;
  model = *restored;
  return true;
}

std::uint32_t RuleChecksum(const GameModel& model) {
  Hasher hasher;
  EachField(model, hasher);
  return hasher.hash();
}

}  // namespace coilrun
