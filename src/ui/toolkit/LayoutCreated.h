#pragma once

namespace kb {

// Controls that finish their set-up once their layout attributes are all applied (the
// positions file, the tray icon, the frame tick). The layout loader calls it for every
// control of a loaded layout; code that builds a control by hand calls it itself.
class ILayoutCreated {
 public:
  virtual ~ILayoutCreated() = default;
  virtual void onLayoutCreated() = 0;
};

}  // namespace kb
