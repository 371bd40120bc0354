#include "shell/editor/field_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "engine/model.h"
#include "present/surfaces.h"

namespace coilrun {

namespace {

constexpr int kMargin = 2;

// Marks in white inside black show on every background a player may choose.
void PaintCellMark(QPainter& painter, const QRect& cell, const QString& label = {}) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 3));
  painter.drawRect(cell.adjusted(1, 1, -1, -1));
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(cell.adjusted(1, 1, -1, -1));
  if (label.isEmpty()) return;
  QFont font = painter.font();
  font.setPixelSize(std::max(8, cell.height() - 2));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(cell.translated(1, 1), Qt::AlignCenter, label);
  painter.setPen(Qt::white);
  painter.drawText(cell, Qt::AlignCenter, label);
}

}  // namespace

FieldView::FieldView(LevelDocument& document, FieldTools& tools, LevelPreview& preview, QWidget* parent)
    : QWidget(parent), document_(document), tools_(tools), preview_(preview) {
  setObjectName(QStringLiteral("EditorField"));
  setMouseTracking(true);
  // The tools' one-letter keys work while the field has the focus.
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(&document_, &LevelDocument::CurrentLevelEdited, this, &FieldView::Redraw);
  connect(&document_, &LevelDocument::CurrentIndexChanged, this, &FieldView::Redraw);
  connect(&document_, &LevelDocument::LevelsChanged, this, &FieldView::Redraw);
  connect(&tools_, &FieldTools::SelectionChanged, this, qOverload<>(&QWidget::update));
  connect(&tools_, &FieldTools::PickChanged, this, [this] {
    setCursor(tools_.pickSlot() ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
  });
}

int FieldView::scale() const {
  return std::max(1, std::min((width() - 2 * kMargin) / kFieldWidth, (height() - 2 * kMargin) / kFieldHeight));
}

QRect FieldView::fieldRect() const {
  const QSize size(kFieldWidth * scale(), kFieldHeight * scale());
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

FieldCell FieldView::CellAt(QPoint point) const {
  const double cellPixels = kCellPixels * scale();
  const QPoint inField = point - fieldRect().topLeft();
  return {static_cast<int>(std::floor(inField.x() / cellPixels)),
          static_cast<int>(std::floor(inField.y() / cellPixels))};
}

QSize FieldView::sizeHint() const { return {kFieldWidth + 2 * kMargin, kFieldHeight + 2 * kMargin}; }
QSize FieldView::minimumSizeHint() const { return sizeHint(); }

void FieldView::Redraw() {
  stale_ = true;
  update();
}

const QImage& FieldView::CurrentField() {
  if (stale_ || preview_.LooksChanged()) {
    field_ = preview_.Paint(document_.current(), kFirstFileLevel + std::max(0, document_.currentIndex()));
    stale_ = false;
  }
  return field_;
}

QImage FieldView::FieldImage() {
  QImage marked = CurrentField().copy();
  QPainter painter(&marked);
  PaintMarks(painter, kCellPixels, {0, 0});
  return marked;
}

void FieldView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRect target = fieldRect();
  // The options may have changed the player's colours meanwhile; a part of
  // the field that shows again must not be the only part drawn anew.
  if (preview_.LooksChanged()) update();
  if (document_.currentIndex() < 0) {
    painter.fillRect(target, Qt::darkGray);
    painter.setPen(Qt::white);
    painter.drawText(target, Qt::AlignCenter, tr("This file holds no level.\nLevel > Add makes one."));
    return;
  }
  painter.drawImage(target, CurrentField());
  PaintMarks(painter, kCellPixels * scale(), target.topLeft());
}

void FieldView::PaintMarks(QPainter& painter, int cellPixels, QPoint origin) const {
  const auto cellRect = [&](int x, int y) {
    return QRect(origin + QPoint(x * cellPixels, y * cellPixels), QSize(cellPixels, cellPixels));
  };
  if (hovered_ && !tools_.pickSlot()) {
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cellRect(hovered_->x, hovered_->y).adjusted(0, 0, -1, -1));
  }
  const std::optional<FieldCell> selected = tools_.selected();
  if (!selected) return;
  const DesignCell& brick = document_.current().at(selected->x, selected->y);
  if (brick.Kind == DoorBrick) {
    for (int slot = 0; slot < kDoorCellSlots; ++slot) {
      const int x = brick.Extra[2 * slot];
      const int y = brick.Extra[2 * slot + 1];
      // A new door works on itself until its cells are picked; its own
      // mark says enough.
      const bool itself = x == selected->x && y == selected->y;
      if (OnField(x, y) && !itself) PaintCellMark(painter, cellRect(x, y), QString::number(slot + 1));
    }
  } else if (brick.Kind == InOutBrick) {
    const int x = static_cast<std::int8_t>(brick.Extra[0]);
    const int y = static_cast<std::int8_t>(brick.Extra[1]);
    if (OnField(x, y)) {
      painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
      painter.drawLine(cellRect(selected->x, selected->y).center(), cellRect(x, y).center());
      PaintCellMark(painter, cellRect(x, y), QStringLiteral("\u2192"));
    }
  }
  PaintCellMark(painter, cellRect(selected->x, selected->y));
}

void FieldView::mousePressEvent(QMouseEvent* event) {
  if (dragButton_ != Qt::NoButton) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  const FieldCell cell = CellAt(event->position().toPoint());
  if (!OnField(cell.x, cell.y)) return;
  dragButton_ = event->button();
  tools_.Press(cell, event->button() == Qt::RightButton);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  const FieldCell cell = CellAt(event->position().toPoint());
  std::optional<FieldCell> hovered;
  if (OnField(cell.x, cell.y)) hovered = cell;
  if (hovered != hovered_) {
    hovered_ = hovered;
    update();
    emit CellHovered(hovered_);
  }
  if (dragButton_ != Qt::NoButton) tools_.Move(cell);
}

void FieldView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != dragButton_) return;
  dragButton_ = Qt::NoButton;
  tools_.Release();
}

void FieldView::leaveEvent(QEvent*) {
  if (!hovered_) return;
  hovered_.reset();
  update();
  emit CellHovered(std::nullopt);
}

}  // namespace coilrun
