#include "ui/toolkit/ClassTags.h"

#include <QMetaClassInfo>
#include <QMetaObject>
#include <QObject>

#include <cstring>

namespace kb {

namespace {

struct BuiltInTag {
  const char* qtClass;
  const char* tag;
};

constexpr BuiltInTag kBuiltIn[] = {
    {"QWidget", "window"},       {"QLabel", "text"},         {"QComboBox", "combobox"},
    {"QSlider", "sliderbar"},    {"QRadioButton", "radio"},  {"QCheckBox", "check"},
    {"QLineEdit", "edit"},       {"QListView", "listview"},  {"QTableView", "mclistview"},
    {"QTabWidget", "tabctrl"},   {"QPushButton", "button"},  {"QToolButton", "imgbtn"},
    {"QGroupBox", "group"},      {"QFrame", "frame"},        {"QProgressBar", "progress"},
};

}  // namespace

QString ownTagOf(const QMetaObject& meta) {
  for (int i = meta.classInfoOffset(); i < meta.classInfoCount(); ++i) {
    const QMetaClassInfo info = meta.classInfo(i);
    if (std::strcmp(info.name(), "kbTag") == 0) return QString::fromLatin1(info.value());
  }
  for (const BuiltInTag& b : kBuiltIn) {
    if (std::strcmp(meta.className(), b.qtClass) == 0) return QString::fromLatin1(b.tag);
  }
  return {};
}

QString tagOf(const QObject* object) {
  for (const QMetaObject* m = object ? object->metaObject() : nullptr; m; m = m->superClass()) {
    QString tag = ownTagOf(*m);
    if (!tag.isEmpty()) return tag;
  }
  return {};
}

bool isOfClass(const QObject* object, const QString& tag) {
  for (const QMetaObject* m = object ? object->metaObject() : nullptr; m; m = m->superClass()) {
    if (ownTagOf(*m) == tag) return true;
  }
  return false;
}

}  // namespace kb
