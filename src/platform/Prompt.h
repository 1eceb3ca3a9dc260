#pragma once
// Message boxes and the beep behind one small interface, so tests can answer and inspect
// every box a program shows.

#include <QString>

class QWidget;

namespace v72 {

class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual void Message(QWidget* owner, const QString& title, const QString& text) = 0;
  // True for Yes.
  virtual bool Question(QWidget* owner, const QString& title, const QString& text) = 0;
  virtual void Beep() = 0;
};

// QMessageBox and QApplication::beep.
class QtPrompt : public Prompt {
 public:
  void Message(QWidget* owner, const QString& title, const QString& text) override;
  bool Question(QWidget* owner, const QString& title, const QString& text) override;
  void Beep() override;
};

}  // namespace v72
