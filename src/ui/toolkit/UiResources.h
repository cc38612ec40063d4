#pragma once

#include "ui/toolkit/ResourceIndex.h"
#include "ui/toolkit/Skin.h"

#include <QHash>
#include <QIcon>
#include <QString>

#include <map>

namespace kb {

// The resource folder as the UI sees it: the index, the named strings ("values:string"),
// the skin pool ("values:skin"), the style sheet ("values:style") and icons.
// One instance is installed for the process (the toolkit's application object plays this
// role); controls find their skins and strings through it.
class UiResources {
 public:
  UiResources() = default;
  // Loads the folder's index and its value tables; false when the index is missing.
  bool load(const QString& folder);

  const ResourceIndex& index() const { return index_; }
  // The folder that holds the resource folder (the application directory).
  QString baseDir() const;

  // Named strings: by name or by their index in the string table.
  QString string(const QString& name) const;
  QString stringAt(int index) const;
  // "@string/name" becomes the named string; any other text stays as it is.
  QString resolveString(const QString& text) const;

  // A skin of the pool, or a null skin when the name is unknown.
  Skin skin(const QString& name) const;
  bool hasSkin(const QString& name) const;
  // Adds or replaces a skin (used by tests and by code that builds skins at run time).
  void addSkin(const QString& name, const Skin& skin);

  QString styleSheet() const;
  // "ICON:name" as an icon; a null icon when it does not load.
  QIcon icon(const QString& name) const;

  // The process-wide instance, or nullptr before one is installed.
  static const UiResources* current();
  static void install(const UiResources* resources);

 private:
  void loadStrings();
  void loadSkins();

  ResourceIndex index_;
  QHash<QString, QString> stringsByName_;
  std::map<int, QString> stringsByIndex_;
  QHash<QString, Skin> skins_;
};

// Shorthands over the installed instance: a null skin / the text unchanged without one.
Skin skinNamed(const QString& name);
QString resolveNamedString(const QString& text);

}  // namespace kb
