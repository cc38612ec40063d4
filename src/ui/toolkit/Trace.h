#pragma once

#include <QString>

#include <functional>

namespace kb {

// The toolkit's warning channel (a control of the wrong class, a control refused by
// its host). By default it writes nothing; tests and diagnostics may install a sink.
using TraceSink = std::function<void(const QString&)>;

void trace(const QString& message);
// Installs a sink and returns the previous one (an empty sink discards messages).
TraceSink setTraceSink(TraceSink sink);

}  // namespace kb
