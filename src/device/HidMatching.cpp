#include "device/HidMatching.h"

#include "device/KeyboardIdentity.h"

#include <algorithm>

namespace kb {

bool isKeyboardInterface(const HidPathInfo& info, std::span<const std::int32_t> productIds)
{
    return info.vendorId == kKeyboardVendorId
        && std::find(productIds.begin(), productIds.end(), info.productId) != productIds.end()
        && info.interfaceNumber == kKeyboardInterface;
}

bool isKeyboardNotification(const HidPathInfo& info)
{
    return info.vendorId == kKeyboardVendorId && info.productId == kKeyboardProductId
        && (info.interfaceNumber == -1 || info.interfaceNumber == kKeyboardInterface)
        && info.collection == -1;
}

} // namespace kb
