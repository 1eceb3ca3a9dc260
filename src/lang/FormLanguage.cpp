#include "FormLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolTip>
#include <QWidget>

namespace v72 {

namespace {

void SetCaption(QObject* object, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
    box->setTitle(text);
  }
}

void SetHint(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setToolTip(text);
  } else if (auto* widget = qobject_cast<QWidget*>(object)) {
    widget->setToolTip(text);
  }
}

}  // namespace

void ApplyFormTexts(QWidget& form, std::string_view formName, const LanguageState& language) {
  if (!language.LanguageLoaded) return;
  form.setFont(language.UiFont);
  ForEachFormText(language, formName, [&form](const FormText& entry, const std::u16string& text) {
    const QString value = QString::fromStdU16String(text);
    if (entry.target == TextTarget::FormCaption) {
      form.setWindowTitle(value);
      return;
    }
    const QString name = QString::fromLatin1(entry.control.data(), static_cast<qsizetype>(entry.control.size()));
    for (QObject* object : form.findChildren<QObject*>(name)) {
      if (entry.target == TextTarget::Hint) {
        SetHint(object, value);
      } else {
        SetCaption(object, value);
      }
    }
  });
}

void ApplyHintFont(const QFont& hintFont) { QToolTip::setFont(hintFont); }

}  // namespace v72
