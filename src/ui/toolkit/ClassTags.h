#pragma once

#include <QString>

class QMetaObject;
class QObject;

namespace kb {

// Controls answer to toolkit class names ("tags"): the Qt widgets to the names the
// layouts and lookups use ("text" QLabel, "window" QWidget, "radio" QRadioButton, ...),
// our own controls to the tag they declare with Q_CLASSINFO("kbTag", "..."). A control
// answers to its own tag and to the tags of all its bases.

// The tag a class declares itself (not inherited), or empty.
QString ownTagOf(const QMetaObject& meta);
// The first tag found walking from the object's class to its bases.
QString tagOf(const QObject* object);
bool isOfClass(const QObject* object, const QString& tag);

}  // namespace kb
