#include "accessibility.h"

#include <QAccessibleWidget>

#include "skinlabel.h"
#include "skinlistbox.h"

namespace {

class TbsAccessibleLabel : public QAccessibleWidget {
 public:
  TbsAccessibleLabel(TbsSkinStdLabel* label, QAccessible::Role role)
      : QAccessibleWidget(label, role) {}

  QString text(QAccessible::Text t) const override {
    auto* label = static_cast<TbsSkinStdLabel*>(widget());
    if (t == QAccessible::Name)
      return label->accessibleName().isEmpty() ? label->Caption() : label->accessibleName();
    return QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override {
    if (role() == QAccessible::Link) return {pressAction()};
    return QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (role() == QAccessible::Link && action == pressAction()) {
      static_cast<TbsSkinLinkLabel*>(widget())->Click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  if (key == QLatin1String("TbsSkinButtonLabel"))
    return new TbsAccessibleLabel(static_cast<TbsSkinStdLabel*>(object), QAccessible::StaticText);
  if (key == QLatin1String("TbsSkinLinkLabel"))
    return new TbsAccessibleLabel(static_cast<TbsSkinStdLabel*>(object), QAccessible::Link);
  if (key == QLatin1String("TbsSkinListBox"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
  return nullptr;
}

}  // namespace

void InstallSkinAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}
