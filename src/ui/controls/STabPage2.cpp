#include "ui/controls/STabPage2.h"

#include "ui/toolkit/UiResources.h"

namespace kb {

STabPage2::STabPage2(QWidget* parent) : QWidget(parent) {}

void STabPage2::setAniInName(const QString& name) {
  aniInName_ = name;
  aniIn = skinNamed(name);
}

void STabPage2::setAniOutName(const QString& name) {
  aniOutName_ = name;
  aniOut = skinNamed(name);
}

}  // namespace kb
