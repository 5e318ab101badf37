#include "accessibility.h"

#include <QAccessibleWidget>
#include <map>

#include "platform/forms/ansi.h"

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

// One row of a list: a list item named by its text.
class TbsAccessibleRow : public QAccessibleInterface {
 public:
  TbsAccessibleRow(TbsSkinListRowArea* area, int row) : area_(area), row_(row) {}

  bool isValid() const override { return area_ && row_ < area_->List()->Items().Count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(area_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return FromAnsi(area_->List()->Items()[row_]);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = area_->RowRect(row_);
    return QRect(area_->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.focusable = true;
    if (!isValid()) return s;
    s.selected = area_->List()->ItemIndex() == row_;
    s.focused = s.selected && area_->hasFocus();
    s.invisible = !area_->viewport()->rect().intersects(area_->RowRect(row_));
    return s;
  }

 private:
  QPointer<TbsSkinListRowArea> area_;
  int row_;
};

// The rows of a list, each a child made when it is first asked for.
class TbsAccessibleRowArea : public QAccessibleWidget {
 public:
  explicit TbsAccessibleRowArea(TbsSkinListRowArea* area)
      : QAccessibleWidget(area, QAccessible::List) {}
  ~TbsAccessibleRowArea() override {
    for (const auto& [row, id] : rows_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return Area()->List()->Items().Count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto it = rows_.find(index);
    if (it == rows_.end()) {
      QAccessibleInterface* row = new TbsAccessibleRow(Area(), index);
      it = rows_.emplace(index, QAccessible::registerAccessibleInterface(row)).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [row, id] : rows_)
      if (QAccessible::accessibleInterface(id) == child) return row;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int row = Area()->RowAt(Area()->viewport()->mapFromGlobal(QPoint(x, y)));
    return row >= 0 ? child(row) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int row = Area()->List()->ItemIndex();
    return row >= 0 && Area()->hasFocus() ? child(row) : nullptr;
  }

 private:
  TbsSkinListRowArea* Area() const { return static_cast<TbsSkinListRowArea*>(widget()); }
  mutable std::map<int, QAccessible::Id> rows_;
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  if (key == QLatin1String("TbsSkinListRowArea"))
    return new TbsAccessibleRowArea(static_cast<TbsSkinListRowArea*>(object));
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

void NotifyAccessibleRowsChanged(TbsSkinListRowArea* area) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(area, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleSelection(TbsSkinListRowArea* area, int row) {
  if (!QAccessible::isActive() || row < 0) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(area);
  if (QAccessibleInterface* item = list ? list->child(row) : nullptr) {
    QAccessibleEvent selection(item, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
    if (area->hasFocus()) {
      QAccessibleEvent focus(item, QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  }
}
