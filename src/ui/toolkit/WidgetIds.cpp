#include "ui/toolkit/WidgetIds.h"

#include "ui/toolkit/ClassTags.h"
#include "ui/toolkit/NamedIdTable.h"
#include "ui/toolkit/Trace.h"

#include <QVariant>
#include <QWidget>

namespace kb {

namespace {

constexpr char kIdProperty[] = "kbId";

// Depth reported in the warnings: the whole tree was searched.
constexpr int kAnyDepth = -1;

// The first widget of the tree (root first, then depth-first in creation order) that
// matches; a match of another class counts as not found.
template <class Match>
QWidget* findInTree(QWidget* root, const QString& tag, Match match) {
  if (!root) return nullptr;
  QWidget* hit = match(root) ? root : nullptr;
  if (!hit) {
    const auto all = root->findChildren<QWidget*>();
    for (QWidget* w : all) {
      if (match(w)) {
        hit = w;
        break;
      }
    }
  }
  return hit && isOfClass(hit, tag) ? hit : nullptr;
}

}  // namespace

int widgetId(const QObject* object) { return object ? object->property(kIdProperty).toInt() : 0; }

void setWidgetId(QObject* object, int id) { object->setProperty(kIdProperty, id); }

void assignWidgetIds(QWidget* root) {
  auto assign = [](QWidget* w) {
    const int id = namedIdOf(w->objectName().toStdString());
    if (id != 0) setWidgetId(w, id);
  };
  assign(root);
  for (QWidget* w : root->findChildren<QWidget*>()) assign(w);
}

QWidget* findWidgetByName(QWidget* root, const QString& name, const QString& tag) {
  QWidget* found = findInTree(root, tag, [&](QWidget* w) { return w->objectName() == name; });
  if (!found) {
    trace(QStringLiteral("FindChildByName2 Failed, no window of class [%1] with name of [%2] was found within [%3] levels")
              .arg(tag, name)
              .arg(kAnyDepth));
  }
  return found;
}

QWidget* findWidgetById(QWidget* root, int id, const QString& tag) {
  QWidget* found = findInTree(root, tag, [&](QWidget* w) { return widgetId(w) == id; });
  if (!found) {
    trace(QStringLiteral("FindChildByID2 Failed, no window of class [%1] with id of [%2] was found within [%3] levels")
              .arg(tag)
              .arg(id)
              .arg(kAnyDepth));
  }
  return found;
}

}  // namespace kb
