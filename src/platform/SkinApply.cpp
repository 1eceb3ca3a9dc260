#include "SkinApply.h"

#include <QColor>
#include <QProgressBar>
#include <QWidget>

namespace v72 {

namespace {

// Only well-formed colours reach a style sheet, so a skin file cannot inject rules.
QString Colour(const SkinData& skin, const QString& name, const char* key) {
  const QString v = skin.Value(name, QLatin1String(key));
  if (!QColor::isValidColorName(v)) return {};
  const QColor c = QColor::fromString(v);
  return c.alpha() == 255 ? c.name(QColor::HexRgb)
                          : QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

QString Rule(const QString& property, const QString& colour) {
  return colour.isEmpty() ? QString() : property + QLatin1Char(' ') + colour + QStringLiteral("; ");
}

QString SheetFor(QWidget* w, const SkinData& skin, const QString& name) {
  const QString base = Rule(QStringLiteral("background-color:"), Colour(skin, name, "background")) +
                       Rule(QStringLiteral("color:"), Colour(skin, name, "text")) +
                       Rule(QStringLiteral("border: 1px solid"), Colour(skin, name, "border"));
  if (qobject_cast<QProgressBar*>(w)) {
    const QString bar = Colour(skin, name, "bar");
    QString sheet = QStringLiteral("QProgressBar { %1 text-align: center; }").arg(base);
    if (!bar.isEmpty()) sheet += QStringLiteral(" QProgressBar::chunk { background-color: %1; }").arg(bar);
    return sheet;
  }
  return base.isEmpty() ? QString() : QStringLiteral("%1 { %2}").arg(QLatin1String(w->metaObject()->className()), base);
}

}  // namespace

void ApplySkin(QWidget* form, const SkinData& skin) {
  if (!form || skin.Empty()) return;
  if (skin.Has(QStringLiteral("form"))) {
    const QString bg = Colour(skin, QStringLiteral("form"), "background");
    const QString fg = Colour(skin, QStringLiteral("form"), "text");
    QPalette p = form->palette();
    if (!bg.isEmpty()) p.setColor(QPalette::Window, QColor::fromString(bg));
    if (!fg.isEmpty()) p.setColor(QPalette::WindowText, QColor::fromString(fg));
    form->setPalette(p);
    form->setAutoFillBackground(true);
  }
  const auto children = form->findChildren<QWidget*>();
  for (QWidget* w : children) {
    const QString name = w->property(SkinDataNameProperty).toString();
    if (name.isEmpty() || !skin.Has(name)) continue;
    const QString sheet = SheetFor(w, skin, name);
    if (!sheet.isEmpty()) w->setStyleSheet(sheet);
  }
}

}  // namespace v72
