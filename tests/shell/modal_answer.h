// Answers the modal dialog that the code under test opens, from inside its
// nested event loop. A dialog that is still open after the answer, or one
// that nobody expected, is closed, so that a failing check never leaves a
// test waiting in exec().
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <utility>

namespace coilrun::testing {

class ModalAnswer {
 public:
  // No answer: every modal dialog that opens is counted and closed.
  explicit ModalAnswer(std::function<void(QWidget& dialog)> answer = {}) : answer_(std::move(answer)) {
    poll_.setInterval(1);
    QObject::connect(&poll_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
    poll_.start();
  }

  int dialogsSeen() const { return dialogsSeen_; }

 private:
  void AnswerOpenDialog() {
    const QPointer<QWidget> dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    ++dialogsSeen_;
    if (answer_) std::exchange(answer_, nullptr)(*dialog);
    if (dialog && dialog == QApplication::activeModalWidget()) dialog->close();
  }

  std::function<void(QWidget&)> answer_;
  QTimer poll_;
  int dialogsSeen_ = 0;
};

}  // namespace coilrun::testing
