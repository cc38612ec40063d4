#pragma once

#include <QUiLoader>

namespace kb {

class ControlRegistry;
class UiResources;

// Loads the layouts of the resource folder (Qt Designer .ui documents) at run time.
// Registered controls are created through the registry; a widget with the property
// "include" receives the named layout as its content (how one layout, the colour panel,
// appears in two containers). After loading, every named widget gets its numeric id and
// every control is told that its layout is complete. A layout placed where no style
// sheet reaches yet (a window of its own, or a host without one) gets the resource
// folder's style sheet.
class LayoutLoader : public QUiLoader {
 public:
  LayoutLoader(const UiResources& resources, const ControlRegistry& registry, QObject* parent = nullptr);

  // Loads "LAYOUT:name" (or any typed name of the index); nullptr when it does not load.
  QWidget* loadLayout(const QString& typedName, QWidget* parent = nullptr);

  QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override;

 private:
  QWidget* loadContent(const QString& typedName, QWidget* parent, int depth);
  void loadIncludes(QWidget* root, int depth);

  const UiResources& resources_;
  const ControlRegistry& registry_;
};

}  // namespace kb
