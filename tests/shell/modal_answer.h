// Answers the modal dialog that the code under test opens, from inside its
// nested event loop. A dialog that is still open after the answer, or one
// that nobody expected, is closed, so that a failing check never leaves a
// test waiting in exec().
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace coilrun::testing {

// Ends the modal loop of a dialog whatever it is: a message box without an
// escape button ignores close(), and would otherwise stay open for good.
inline void CloseModal(QWidget& shown) {
  const QPointer<QWidget> dialog = &shown;
  dialog->close();
  if (!dialog || dialog != QApplication::activeModalWidget()) return;
  if (auto* box = qobject_cast<QDialog*>(dialog.data())) {
    box->done(QDialog::Rejected);
  } else {
    dialog->hide();
  }
}

inline std::string DescribeModal(const QWidget& shown) {
  std::string description = std::string(shown.metaObject()->className()) + " \"" + shown.windowTitle().toStdString() +
                            "\" (" + shown.objectName().toStdString() + ")";
  if (const auto* box = qobject_cast<const QMessageBox*>(&shown)) description += ": " + box->text().toStdString();
  return description;
}

class ModalAnswer {
 public:
  // No answer: every modal dialog that opens is counted and closed.
  explicit ModalAnswer(std::function<void(QWidget& dialog)> answer = {}) : answer_(std::move(answer)) {
    ++inScope_;
    poll_.setInterval(1);
    QObject::connect(&poll_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
    poll_.start();
  }
  ~ModalAnswer() { --inScope_; }
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;

  int dialogsSeen() const { return static_cast<int>(seen_.size()); }
  // Each dialog seen, as DescribeModal tells it.
  const std::vector<std::string>& seen() const { return seen_; }
  static bool InScope() { return inScope_ > 0; }

 private:
  void AnswerOpenDialog() {
    QWidget* const shown = QApplication::activeModalWidget();
    if (!shown || shown == answering_) return;
    seen_.push_back(DescribeModal(*shown));
    if (!answer_) {
      CloseModal(*shown);
      return;
    }
    // The answer runs outside this timer's slot: Qt does not fire a timer
    // again while its slot runs, and a dialog that the answer itself opens
    // must still be seen and closed.
    answering_ = shown;
    QTimer::singleShot(0, &poll_, [this, answer = std::exchange(answer_, nullptr)] {
      if (answering_) answer(*answering_);
      const QPointer<QWidget> answered = std::exchange(answering_, nullptr);
      if (answered && answered == QApplication::activeModalWidget()) CloseModal(*answered);
    });
  }

  static inline int inScope_ = 0;
  std::function<void(QWidget&)> answer_;
  QPointer<QWidget> answering_;
  QTimer poll_;
  std::vector<std::string> seen_;
};

// For the whole test program: a modal dialog that opens while no ModalAnswer
// is in scope fails the test at once and is closed, and one left open for
// seconds however it came is too, so that the test ends in a failure and not
// in its timeout.
class UnexpectedDialogGuard {
 public:
  UnexpectedDialogGuard() {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Check(); });
    poll_.start();
  }

 private:
  static constexpr int kPatienceMs = 5000;

  void Check() {
    QWidget* const shown = QApplication::activeModalWidget();
    if (shown != watched_) {
      watched_ = shown;
      openFor_.start();
    }
    if (!shown) return;
    if (!ModalAnswer::InScope()) {
      ADD_FAILURE() << "a modal dialog that no test answers: " << DescribeModal(*shown);
    } else if (openFor_.elapsed() > kPatienceMs) {
      ADD_FAILURE() << "a modal dialog still open after " << kPatienceMs << " ms: " << DescribeModal(*shown);
    } else {
      return;
    }
    CloseModal(*shown);
  }

  QTimer poll_;
  QPointer<QWidget> watched_;
  QElapsedTimer openFor_;
};

}  // namespace coilrun::testing
