#pragma once

// ShapeListOrVector<Container, Channel>: a state value whose elements are containers of records.
// The system keeps exactly one container in such a value (the selected one, index 0). Compared
// and copied as whole containers (equal when they hold equal items in the same order); use
// ShapeList or ShapeVector.

#include "state/ShapeBody.h"

namespace kb {

template <class Container, int Channel>
class ShapeListOrVector : public ShapeBody<Container, Channel, 0> {
  using Body = ShapeBody<Container, Channel, 0>;

 public:
  using Body::Body;

  // As ShapeBody::assign, except that assigning the selected container to itself changes
  // nothing and the selected index is never moved (beyond keeping it inside the count).
  void assign(const Container* src, int n, bool fill) override {
    if (src && this->count() > 0 && src == &this->elements()[this->index()]) return;
    const unsigned keptIndex = this->index();
    Body::assign(src, n, fill);
    if (keptIndex < this->count()) this->setIndexUnchecked(keptIndex);
  }

  // The first container, or null while the value holds none.
  Container* container() { return this->count() > 0 ? &this->elements().front() : nullptr; }
  const Container* container() const {
    return this->count() > 0 ? &this->elements().front() : nullptr;
  }
};

}  // namespace kb
