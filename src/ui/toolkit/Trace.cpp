#include "ui/toolkit/Trace.h"

#include <utility>

namespace kb {

namespace {
TraceSink& currentSink() {
  static TraceSink sink;
  return sink;
}
}  // namespace

void trace(const QString& message) {
  if (currentSink()) currentSink()(message);
}

TraceSink setTraceSink(TraceSink sink) {
  return std::exchange(currentSink(), std::move(sink));
}

}  // namespace kb
