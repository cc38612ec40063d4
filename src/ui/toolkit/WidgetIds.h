#pragma once

#include <QString>

class QObject;
class QWidget;

namespace kb {

// Numeric widget ids: after a layout loads, every widget whose name is in the named-ID
// table carries that id; other widgets have id 0.
int widgetId(const QObject* object);
void setWidgetId(QObject* object, int id);
// Gives every named widget below (and including) root its id from the table.
void assignWidgetIds(QWidget* root);

// Typed lookups below root, at any depth, with a class check by tag. A failed lookup
// hands the toolkit's warning to the trace function and yields nullptr.
QWidget* findWidgetByName(QWidget* root, const QString& name, const QString& tag);
QWidget* findWidgetById(QWidget* root, int id, const QString& tag);

template <class T>
T* findByName(QWidget* root, const QString& name, const QString& tag) {
  return qobject_cast<T*>(findWidgetByName(root, name, tag));
}
template <class T>
T* findById(QWidget* root, int id, const QString& tag) {
  return qobject_cast<T*>(findWidgetById(root, id, tag));
}

}  // namespace kb
