#include "V72LdrCtl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "LoaderOptions.h"
#include "Prompt.h"
#include "SkinApply.h"
#include "SkinPath.h"

namespace v72 {

TV72CmdLdrDlg::TV72CmdLdrDlg(LoaderSession& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent), session_(session), prompt_(prompt) {
  setObjectName(QStringLiteral("TV72CmdLdrDlg"));
  setWindowTitle(QString::fromLatin1(LoaderDialogCaption));
  // No border icons but the close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->resize(265, 90);
  Panel1->hide();

  bsSkinGauge1 = new QProgressBar(this);
  bsSkinGauge1->setObjectName(QStringLiteral("bsSkinGauge1"));
  bsSkinGauge1->setProperty(SkinDataNameProperty, QStringLiteral("gauge"));
  bsSkinGauge1->setRange(0, DownloadReportCount);
  bsSkinGauge1->setValue(0);
  bsSkinGauge1->setFormat(QStringLiteral("%p%"));
  bsSkinGauge1->setTextVisible(true);

  TargetLabel = new QLabel(this);
  TargetLabel->setObjectName(QStringLiteral("TargetLabel"));
  TargetLabel->setProperty(SkinDataNameProperty, QStringLiteral("label"));
  TargetLabel->setWordWrap(true);
  TargetLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setChecked(true);
  TntEdit1 = new QLineEdit(this);
  TntEdit1->setObjectName(QStringLiteral("TntEdit1"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 14, 12, 8);
  layout->addWidget(bsSkinGauge1);
  layout->addWidget(TargetLabel);

  connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) { session_.Download.WriteEnable = on; });
  connect(&session_, &LoaderSession::Progress, this, [this](int value, int maximum) {
    bsSkinGauge1->setMaximum(maximum);
    bsSkinGauge1->setValue(value);
  });
  connect(&session_, &LoaderSession::Finished, this, &TV72CmdLdrDlg::OnFinished);

  FormCreate();
}

void TV72CmdLdrDlg::FormCreate() {
  ApplySkin(this, SkinData::Load(LoadSkinPath() + QStringLiteral("popskin.ini")));

  // The hidden panel sets the size: 295 x 93 with its 265 x 90.
  Panel1->move(1, 1);
  setFixedSize(Panel1->width() + 30, Panel1->height() + 3);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  TntEdit1->hide();
  ListBox1->hide();
  CheckBox1->hide();

  registered_ = session_.RegisterTransfer(registerError_);
  TargetLabel->setText(registered_ ? QStringLiteral("Writing to %1").arg(session_.Target()) : QString());
}

bool TV72CmdLdrDlg::event(QEvent* e) {
  if (auto* open = dynamic_cast<OpenProfileEvent*>(e); open && e->type() == static_cast<QEvent::Type>(WM_OPENPROFILE)) {
    OpenProfile(open->CommandLine);
    return true;
  }
  return QDialog::event(e);
}

void TV72CmdLdrDlg::OpenProfile(const QStringList& commandLine) {
  if (commandLine.size() < 2) return End(ExitNoArgument);   // nothing to load: end silently
  const QString path = commandLine.last();
  TntEdit1->setText(path);
  if (!registered_) {
    prompt_.Message(this, QString::fromLatin1(LoaderApplicationTitle), registerError_);
    return End(ExitTransport);
  }
  if (!session_.ReadProfile(path, *this)) return End(ExitRefusedFile);

  show();
  ListBox1->clear();
  session_.StartDownload();
}

void TV72CmdLdrDlg::ReportProfileFailure(ProfileFailure, const QString& text) {
  prompt_.Message(nullptr, QString::fromLatin1(LoaderApplicationTitle), text);
}

void TV72CmdLdrDlg::OnFinished(bool completed) {
  // A download the user stopped by closing the dialog ends without a box.
  if (completed && !session_.EndMessage().isEmpty())
    prompt_.Message(this, QString::fromLatin1(LoaderApplicationTitle), session_.EndMessage());
  End(session_.ExitStatus());
}

void TV72CmdLdrDlg::closeEvent(QCloseEvent* e) {
  session_.StopDownload();   // the close stays allowed
  e->accept();
  if (!ended_) End(session_.Download.Complete() ? session_.ExitStatus() : ExitIncomplete);
}

void TV72CmdLdrDlg::reject() { close(); }

void TV72CmdLdrDlg::End(int status) {
  if (ended_) return;
  ended_ = true;
  Q_EMIT Done(status);
}

}  // namespace v72
