#include "shell/gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "shell/audio_library.h"
#include "shell/pad_direction.h"

namespace coilrun {

namespace {

constexpr int kFullTravel = 32767;

QString KindOf(const SdlLibrary& sdl, SDL_GameController* controller) {
  char text[33] = {};
  sdl.SDL_JoystickGetGUIDString(sdl.SDL_JoystickGetGUID(sdl.SDL_GameControllerGetJoystick(controller)), text,
                                sizeof text);
  return QString::fromLatin1(text).toLower();
}

}  // namespace

Gamepads::Gamepads(std::function<Pace()> pace, QObject* parent) : QObject(parent), pace_(std::move(pace)) {
  timer_.setObjectName(QStringLiteral("GamepadTimer"));
  connect(&timer_, &QTimer::timeout, this, &Gamepads::Poll);
  QTimer::singleShot(kStartDelay, this, &Gamepads::Start);
}

Gamepads::~Gamepads() {
  if (!available_) return;
  for (const Pad& pad : pads_) sdl_->SDL_GameControllerClose(pad.controller);
  sdl_->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::Start() {
  if (started_) return;
  started_ = true;
  sdl_ = Sdl();
  if (sdl_ == nullptr) return;
  // The window owns the process's signals; SDL must not take Ctrl+C.
  sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  available_ = sdl_->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!available_) return;
  sdl_->SDL_GameControllerEventState(SDL_IGNORE);
  sdl_->SDL_JoystickEventState(SDL_IGNORE);
  Poll();
  timer_.start();
}

void Gamepads::SetSeatKinds(const std::array<QString, kMaxPlayers>& kinds) {
  seatKinds_ = kinds;
  for (Pad& pad : pads_) pad.seat = 0;
  SeatPads();
  emit PadsChanged();
}

void Gamepads::TakePad(int player, int padIndex) {
  if (player < 1 || player > kMaxPlayers) return;
  for (Pad& pad : pads_) {
    if (pad.seat == player) pad.seat = 0;
  }
  seatKinds_[player - 1].clear();
  if (padIndex >= 0 && padIndex < std::ssize(pads_)) {
    Pad& pad = pads_[padIndex];
    if (pad.seat != 0) seatKinds_[pad.seat - 1].clear();
    pad.seat = player;
    seatKinds_[player - 1] = pad.kind;
  }
  emit PadsChanged();
}

const Gamepads::Pad* Gamepads::PadOfSeat(int player) const {
  const auto found = std::find_if(pads_.begin(), pads_.end(), [player](const Pad& pad) { return pad.seat == player; });
  return found == pads_.end() ? nullptr : &*found;
}

void Gamepads::Poll() {
  // A handler of a signal below may open a modal box, whose event loop runs
  // this timer again.
  if (!available_ || polling_) return;
  polling_ = true;
  sdl_->SDL_GameControllerUpdate();
  std::vector<std::function<void()>> later;
  bool changed = false;
  for (auto pad = pads_.begin(); pad != pads_.end();) {
    if (sdl_->SDL_GameControllerGetAttached(pad->controller)) {
      ++pad;
      continue;
    }
    if (pad->seat != 0) later.push_back([this, seat = pad->seat, name = pad->name] { emit SeatPadLost(seat, name); });
    sdl_->SDL_GameControllerClose(pad->controller);
    pad = pads_.erase(pad);
    changed = true;
  }
  if (OpenNewPads()) changed = true;
  if (changed) SeatPads();
  for (Pad& pad : pads_) ReadState(pad, &later);
  // Without a pad in a seat only a pad coming in is looked for, at the idle
  // pace whatever the game does, so that a paused game sleeps.
  const bool seated = std::any_of(pads_.begin(), pads_.end(), [](const Pad& pad) { return pad.seat != 0; });
  const Pace pace = seated ? pace_() : Pace::Idle;
  const int interval = pace == Pace::Play    ? kPlayPollInterval
                       : pace == Pace::Pause ? kPausePollInterval
                                             : kIdlePollInterval;
  if (timer_.interval() != interval) timer_.setInterval(interval);
  polling_ = false;
  if (changed) emit PadsChanged();
  for (const auto& signal : later) signal();
}

bool Gamepads::OpenNewPads() {
  bool opened = false;
  const int count = sdl_->SDL_NumJoysticks();
  for (int device = 0; device < count; ++device) {
    if (!sdl_->SDL_IsGameController(device)) continue;
    const SDL_JoystickID instance = sdl_->SDL_JoystickGetDeviceInstanceID(device);
    if (std::any_of(pads_.begin(), pads_.end(), [instance](const Pad& pad) { return pad.instance == instance; }))
      continue;
    SDL_GameController* controller = sdl_->SDL_GameControllerOpen(device);
    if (controller == nullptr) continue;
    Pad pad;
    pad.instance = instance;
    pad.controller = controller;
    const char* name = sdl_->SDL_GameControllerName(controller);
    pad.name = name != nullptr ? QString::fromUtf8(name) : QStringLiteral("Gamepad");
    pad.kind = KindOf(*sdl_, controller);
    // What the pad holds as it comes is where it starts from, not a move.
    ReadState(pad, nullptr);
    pads_.push_back(std::move(pad));
    opened = true;
  }
  return opened;
}

void Gamepads::SeatPads() {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const QString& kind = seatKinds_[player - 1];
    if (kind.isEmpty() || PadOfSeat(player) != nullptr) continue;
    const auto free =
        std::find_if(pads_.begin(), pads_.end(), [&kind](const Pad& pad) { return pad.seat == 0 && pad.kind == kind; });
    if (free != pads_.end()) free->seat = player;
  }
}

void Gamepads::ReadState(Pad& pad, std::vector<std::function<void()>>* later) {
  SDL_GameController* controller = pad.controller;
  const auto pressed = [this, controller](SDL_GameControllerButton button) {
    return sdl_->SDL_GameControllerGetButton(controller, button) != 0 ? 1 : 0;
  };
  const int left = pressed(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  const int right = pressed(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  const int up = pressed(SDL_CONTROLLER_BUTTON_DPAD_UP);
  const int down = pressed(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  int x = (right - left) * kFullTravel;
  int y = (down - up) * kFullTravel;
  if (left + right + up + down == 0) {
    x = sdl_->SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    y = sdl_->SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  }
  const std::optional<Direction> direction = PadDirection(pad.direction, x, y);
  const bool start = pressed(SDL_CONTROLLER_BUTTON_START) != 0;
  if (later != nullptr && pad.seat != 0) {
    if (direction && direction != pad.direction)
      later->push_back([this, seat = pad.seat, turn = *direction] { emit Steered(seat, turn); });
    if (start && !pad.start) later->push_back([this, seat = pad.seat] { emit StartPressed(seat); });
  }
  pad.direction = direction;
  pad.start = start;
}

}  // namespace coilrun
