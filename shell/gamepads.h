// Game controllers through SDL2's game controller API: found at start and
// when plugged in or out, each steering the seat (player 1..4) that took it.
//
// SDL is polled from a timer on the window's thread: while a pad is in a
// seat, often while a game is in play or paused; every two seconds
// otherwise, so that the idle window sleeps. SDL's event queue is not used; nothing
// else would empty it.
//
// A seat remembers the kind of pad it took (SDL's GUID), so the pad is its
// seat's again when plugged back in; of two pads of one kind, each seat that
// named the kind gets the next one.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "engine/model.h"

struct _SDL_GameController;

namespace coilrun {

struct SdlLibrary;

class Gamepads : public QObject {
  Q_OBJECT

 public:
  // How often SDL is asked: about once a frame while snakes run; while a
  // game stands paused, often enough to catch a quick tap on Start; every
  // two seconds otherwise, only to see pads come and go.
  enum class Pace { Play, Pause, Idle };
  static constexpr int kPlayPollInterval = 15;
  static constexpr int kPausePollInterval = 50;
  static constexpr int kIdlePollInterval = 2000;

  struct Pad {
    int instance = -1;  // SDL's instance id, unique while the program runs
    QString name;
    QString kind;  // SDL's GUID of the device
    int seat = 0;  // player 1..4, 0 for none
    // What the pad reported at the last poll.
    std::optional<Direction> direction;
    bool start = false;
    _SDL_GameController* controller = nullptr;
  };

  // `pace` says how quickly to poll now.
  // SDL's controller part starts a moment after the window is up, so that
  // looking for devices never holds up the window's first picture.
  explicit Gamepads(std::function<Pace()> pace, QObject* parent = nullptr);
  ~Gamepads() override;
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Starts SDL's controller part, once; when it cannot start, there are no
  // pads and no polling, and the game goes on with its keys.
  void Start();
  static constexpr int kStartDelay = 300;

  bool available() const { return available_; }
  // Pads present, in the order they were found.
  const std::vector<Pad>& pads() const { return pads_; }
  // The kind of pad each seat takes, empty for none.
  const std::array<QString, kMaxPlayers>& seatKinds() const { return seatKinds_; }
  void SetSeatKinds(const std::array<QString, kMaxPlayers>& kinds);
  // The pad at `padIndex` of pads() goes to the player's seat, leaving the
  // seat it had; a negative index leaves the seat without a pad.
  void TakePad(int player, int padIndex);
  // The seat's pad, if one is present.
  const Pad* PadOfSeat(int player) const;

  // One poll: pads that came or went, then every taken pad's state. Public
  // so that tests need not wait for the timer.
  void Poll();
  int pollInterval() const { return timer_.interval(); }

 signals:
  // A taken pad turned to a new direction, or its Start was pressed.
  void Steered(int player, coilrun::Direction direction);
  void StartPressed(int player);
  // A seat's pad was unplugged.
  void SeatPadLost(int player, const QString& padName);
  // Pads came or went, or changed seats.
  void PadsChanged();

 private:
  // True when a pad was opened.
  bool OpenNewPads();
  // Seats without a present pad take the first free pad of their kind.
  void SeatPads();
  // Signals wait in `later` until the poll is done with the pads.
  void ReadState(Pad& pad, std::vector<std::function<void()>>* later);

  std::function<Pace()> pace_;
  bool started_ = false;
  bool available_ = false;
  const SdlLibrary* sdl_ = nullptr;  // SDL 2 as loaded, once started
  bool polling_ = false;
  std::vector<Pad> pads_;
  std::array<QString, kMaxPlayers> seatKinds_{};
  QTimer timer_;
};

}  // namespace coilrun
