#include "emulator/HidTestbed.h"

#include "platform/HidInterfacePath.h"

#include <umockdev.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <stdexcept>

namespace kb {
namespace {

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

std::string takeString(gchar* text)
{
    std::string copy = text ? text : "";
    g_free(text);
    return copy;
}

// Moves one feature report between the ioctl's caller and the emulator.
gboolean handleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer userData)
{
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    const bool set = request == HIDIOCSFEATURE(kFeatureReportSize);
    const bool get = request == HIDIOCGFEATURE(kFeatureReportSize);
    if (!set && !get)
        return FALSE;
    auto* emulator = static_cast<KeyboardEmulator*>(userData);
    UMockdevIoctlData* data
        = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, kFeatureReportSize, nullptr);
    bool moved = false;
    if (data && emulator) {
        const std::span<std::uint8_t> report(data->data, kFeatureReportSize);
        moved = set ? emulator->receiveReport(report) : emulator->answerReport(report);
    }
    if (data)
        umockdev_ioctl_data_unref(data);
    // A refused feature report ends as a stalled control transfer does.
    umockdev_ioctl_client_complete(client, moved ? static_cast<glong>(kFeatureReportSize) : -1, moved ? 0 : EPIPE);
    return TRUE;
}

} // namespace

struct HidTestbed::Plugged {
    std::string node;
    std::vector<std::string> chain; // sysfs paths, top (USB device) first
    UMockdevIoctlBase* handler = nullptr;
};

bool HidTestbed::available()
{
    // umockdev_in_mock_environment() does not see umockdev-wrapper's preload here; the
    // environment the wrapper sets does.
    const char* preload = std::getenv("LD_PRELOAD");
    return preload && std::strstr(preload, "libumockdev-preload") != nullptr;
}

HidTestbed::HidTestbed()
{
    if (!available())
        throw std::runtime_error("the umockdev preload is not active: run under umockdev-wrapper");
    testbed_ = umockdev_testbed_new();
}

HidTestbed::~HidTestbed()
{
    while (!plugged_.empty())
        unplug(plugged_.back()->node);
    g_object_unref(testbed_);
}

PluggedHidDevice HidTestbed::plug(const FakeHidDevice& device)
{
    const int number = nextNumber_++;
    auto plugged = std::make_unique<Plugged>();
    plugged->node = "/dev/hidraw" + std::to_string(number);

    // The node must exist, with its ioctl handler, before the device chain announces it.
    const std::filesystem::path root = takeString(umockdev_testbed_get_root_dir(testbed_));
    std::filesystem::create_directories(root / "dev");
    std::ofstream(root / ("dev/hidraw" + std::to_string(number)));
    plugged->handler = umockdev_ioctl_base_new();
    g_signal_connect(plugged->handler, "handle-ioctl", G_CALLBACK(handleIoctl), device.emulator);
    if (!umockdev_testbed_attach_ioctl(testbed_, plugged->node.c_str(), plugged->handler, nullptr)) {
        g_object_unref(plugged->handler);
        throw std::runtime_error("cannot attach an ioctl handler to " + plugged->node);
    }

    const std::string vendor = hex4(device.vendorId);
    const std::string product = hex4(device.productId);
    const std::string port = "1-" + std::to_string(number + 1);
    char interfaceNumber[4];
    std::snprintf(interfaceNumber, sizeof interfaceNumber, "%02X", device.interfaceNumber);
    const std::string usbInterface = port + ":1." + std::to_string(device.interfaceNumber);
    const std::string hid = "0003:" + vendor + ":" + product + "." + hex4(static_cast<unsigned>(number + 1));
    const std::string hidId = "0003:0000" + vendor + ":0000" + product;
    const std::string devNumber = "243:" + std::to_string(number);
    const std::string minor = std::to_string(number);

    auto add = [&](const char* subsystem, const std::string& name, const char* parent, auto... attributesAndProperties) {
        plugged->chain.push_back(takeString(umockdev_testbed_add_device(testbed_, subsystem, name.c_str(), parent,
                                                                        attributesAndProperties...)));
        return plugged->chain.back();
    };
    const std::string usb = add("usb", port, nullptr, "idVendor", vendor.c_str(), "idProduct", product.c_str(),
                                nullptr, "DEVTYPE", "usb_device", nullptr);
    const std::string intf = add("usb", usbInterface, usb.c_str(), "bInterfaceNumber", interfaceNumber, nullptr,
                                 "DEVTYPE", "usb_interface", nullptr);
    const std::string hidPath = add("hid", hid, intf.c_str(), nullptr, "HID_ID", hidId.c_str(), nullptr);
    const std::string hidraw = add("hidraw", "hidraw" + std::to_string(number), hidPath.c_str(), "dev",
                                   devNumber.c_str(), nullptr, "DEVNAME", plugged->node.c_str(), "MAJOR", "243",
                                   "MINOR", minor.c_str(), nullptr);

    const std::string devpath = hidraw.substr(hidraw.find("/devices/"));
    PluggedHidDevice result{plugged->node, hidInterfacePath(devpath, plugged->node).value_or(std::string())};
    plugged_.push_back(std::move(plugged));
    return result;
}

void HidTestbed::unplug(const std::string& node)
{
    const auto found = std::find_if(plugged_.begin(), plugged_.end(),
                                    [&](const std::unique_ptr<Plugged>& p) { return p->node == node; });
    if (found == plugged_.end())
        return;
    Plugged& plugged = **found;
    umockdev_testbed_uevent(testbed_, plugged.chain.back().c_str(), "remove");
    for (auto part = plugged.chain.rbegin(); part != plugged.chain.rend(); ++part)
        umockdev_testbed_remove_device(testbed_, part->c_str());
    umockdev_testbed_detach_ioctl(testbed_, plugged.node.c_str(), nullptr);
    g_object_unref(plugged.handler);
    plugged_.erase(found);
}

} // namespace kb
