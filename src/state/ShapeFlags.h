#pragma once

// Delivery flags of a published change. A change carries any combination:
//   ShapeFlagSelf  - the publishing value receives its own change (its own hook runs)
//   ShapeFlagCopy  - every peer copies the published elements and selected index
//   ShapeFlagHook  - a receiver's hook runs when the copy changed it, or when no copy was asked
//   ShapeFlagForce - hooks run even if nothing changed; writes store and publish equal contents
// The usual combinations are 6 (peers copy and hook), 7 (6 plus self), 14/15 (forced) and 1.

namespace kb {

enum ShapeFlag : int {
  ShapeFlagSelf = 1,
  ShapeFlagCopy = 2,
  ShapeFlagHook = 4,
  ShapeFlagForce = 8,
};

// Flags of the "Ex"/"Value" write family: peers copy and hook, plus self and force on demand.
constexpr int shapeFlags(bool includeSelf, bool force) {
  return ShapeFlagCopy | ShapeFlagHook | (includeSelf ? ShapeFlagSelf : 0) | (force ? ShapeFlagForce : 0);
}

}  // namespace kb
