#include "device/BaseRunable.h"

#include <cstdlib>

namespace kb {

BaseRunable::~BaseRunable()
{
    std::free(payload);
}

bool BaseRunable::isReady()
{
    return true;
}

std::unique_ptr<BaseRunable> BaseRunable::makeTask()
{
    return nullptr;
}

} // namespace kb
