// The window's two drawing surfaces, the field (500 x 300) and the report
// panel (502 x 38). Every view paints on them at once; the window only
// copies them to the screen, so covering and uncovering it loses nothing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>
#include <functional>

#include "engine/model.h"

namespace coilrun {

constexpr int kFieldWidth = kFieldColumns * kCellPixels;
constexpr int kFieldHeight = kFieldRows * kCellPixels;
constexpr int kReportWidth = 502;
constexpr int kReportHeight = 38;

enum class Surface { Field, Report };

class Surfaces {
  struct Target {
    QPainter painter;
    // Paintings and holds that keep the painter open.
    int users = 0;
    // Paintings under way; the listener hears when the outermost ends.
    int depth = 0;
    QRect changed;
  };

 public:
  // Told, after each outermost painting, which pixels of which surface changed.
  using ChangeListener = std::function<void(Surface, const QRect&)>;

  // The surfaces start in the model's current background colours.
  explicit Surfaces(const GameModel& model);
  Surfaces(const Surfaces&) = delete;
  Surfaces& operator=(const Surfaces&) = delete;

  const QImage& field() const { return images_[0]; }
  const QImage& report() const { return images_[1]; }
  void setChangeListener(ChangeListener listener) { changeListener_ = std::move(listener); }

  // One painter on a surface for the outermost drawing operation: nested
  // operations (a full redraw, a rebound brick's erase) share it, and the
  // listener hears once, when the outermost one is done.
  class Painting {
   public:
    Painting(Surfaces& surfaces, Surface surface);
    ~Painting();
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    QPainter& painter() { return target_.painter; }
    void changed(const QRect& pixels) { target_.changed |= pixels; }

   private:
    Surfaces& surfaces_;
    Surface surface_;
    Target& target_;
  };

  // Keeps both surfaces' painters open while it lives, so that the many
  // small paintings of a beat do not each set a painter up; each painting
  // still tells the listener of its own changes when it ends, so the
  // window shows the same as without.
  class PaintersKept {
   public:
    explicit PaintersKept(Surfaces& surfaces);
    ~PaintersKept();
    PaintersKept(const PaintersKept&) = delete;
    PaintersKept& operator=(const PaintersKept&) = delete;

   private:
    Surfaces& surfaces_;
  };

 private:
  void Use(Surface surface);
  void Release(Surface surface);
  QImage& image(Surface surface) { return images_[static_cast<int>(surface)]; }
  Target& target(Surface surface) { return targets_[static_cast<int>(surface)]; }

  std::array<QImage, 2> images_;
  std::array<Target, 2> targets_;
  ChangeListener changeListener_;
};

}  // namespace coilrun
