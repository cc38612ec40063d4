#pragma once

#include <QMetaObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace kb {

// The factories of the program's own controls, by tag. Layouts name a control by its
// tag or by its Qt class name; the loader asks the registry first.
class ControlRegistry {
 public:
  using Factory = std::function<QWidget*(QWidget* parent)>;

  struct Entry {
    QString tag;        // e.g. "cbimg"
    QString className;  // e.g. "CoordButtonImage"
    Factory create;
  };

  // Adds a factory unless the tag is taken; a tag registered twice keeps its first
  // factory. Returns whether this factory was added.
  bool add(const QString& tag, const QString& className, Factory factory);
  // Registers a QWidget subclass that declares its tag with Q_CLASSINFO("kbTag", ...).
  template <class Control>
  bool add() {
    const QMetaObject& meta = Control::staticMetaObject;
    return add(tagOfMeta(meta), QString::fromLatin1(meta.className()),
               [](QWidget* parent) -> QWidget* { return new Control(parent); });
  }

  // The entry for a tag or class name, or nullptr.
  const Entry* find(const QString& tagOrClass) const;
  // Creates a control by tag or class name; nullptr when neither is registered.
  QWidget* create(const QString& tagOrClass, QWidget* parent) const;
  // Entries in registration order.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  static QString tagOfMeta(const QMetaObject& meta);

  std::vector<Entry> entries_;
};

}  // namespace kb
