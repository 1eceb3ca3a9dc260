#pragma once
// The loader dialog: a gauge while the profile named on the command line goes into the
// keypad; the program ends when the download does.

#include <QDialog>
#include <QEvent>
#include <QStringList>

#include "LoaderSession.h"
#include "ProfileFile.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;

namespace v72 {

class Prompt;

// Posted by the program to its own dialog with the command line (program first).
inline constexpr int WM_OPENPROFILE = 1284;

class OpenProfileEvent : public QEvent {
 public:
  explicit OpenProfileEvent(QStringList commandLine)
      : QEvent(static_cast<QEvent::Type>(WM_OPENPROFILE)), CommandLine(std::move(commandLine)) {}
  QStringList CommandLine;
};

class TV72CmdLdrDlg : public QDialog, private ProfileReporter {
  Q_OBJECT

 public:
  TV72CmdLdrDlg(LoaderSession& session, Prompt& prompt, QWidget* parent = nullptr);

  QProgressBar* bsSkinGauge1;
  QCheckBox* CheckBox1;
  QLineEdit* TntEdit1;
  QListWidget* ListBox1;
  QFrame* Panel1;
  QLabel* TargetLabel;

 Q_SIGNALS:
  // The program should end with this status.
  void Done(int status);

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  void FormCreate();
  void OpenProfile(const QStringList& commandLine);
  void OnFinished(bool completed);
  void ReportProfileFailure(ProfileFailure failure, const QString& text) override;
  void End(int status);

  LoaderSession& session_;
  Prompt& prompt_;
  bool registered_ = false;
  QString registerError_;
  bool ended_ = false;
};

}  // namespace v72
