#include "Prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace v72 {

void QtPrompt::Message(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox::warning(owner, title, text, QMessageBox::Ok);
}

bool QtPrompt::Question(QWidget* owner, const QString& title, const QString& text) {
  return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompt::Beep() { QApplication::beep(); }

}  // namespace v72
