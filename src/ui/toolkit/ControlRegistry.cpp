#include "ui/toolkit/ControlRegistry.h"

#include "ui/toolkit/ClassTags.h"

#include <QWidget>

#include <utility>

namespace kb {

bool ControlRegistry::add(const QString& tag, const QString& className, Factory factory) {
  for (const Entry& e : entries_) {
    if (e.tag == tag) return false;
  }
  entries_.push_back({tag, className, std::move(factory)});
  return true;
}

const ControlRegistry::Entry* ControlRegistry::find(const QString& tagOrClass) const {
  for (const Entry& e : entries_) {
    if (e.tag == tagOrClass || e.className == tagOrClass) return &e;
  }
  return nullptr;
}

QWidget* ControlRegistry::create(const QString& tagOrClass, QWidget* parent) const {
  const Entry* e = find(tagOrClass);
  return e ? e->create(parent) : nullptr;
}

QString ControlRegistry::tagOfMeta(const QMetaObject& meta) { return ownTagOf(meta); }

}  // namespace kb
