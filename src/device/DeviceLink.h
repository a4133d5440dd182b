// Finds the mouse's feature and input interfaces under both products, keeps one open feature
// handle per product and runs one input-report reader thread per product.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/DeviceIds.h"
#include "device/hid/HidBackend.h"

namespace vexmo {

class DeviceLink {
public:
    // Called on a reader thread for every change report (polling code, level byte).
    using ChangeCallback = std::function<void(uint8_t pollingCode, uint8_t levelByte)>;

    DeviceLink(hid::HidBackend& backend, ChangeCallback onChange);
    ~DeviceLink();  // stops and joins the readers
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Start-up state: first arrival pending, no reader markers, no handles.
    void RegisterDeviceNotices();
    // Rescans and (re)opens the interfaces and starts the readers of present products. Returns
    // whether the mouse is connected.
    bool ConnectDevices();

    bool connected() const { return connected_; }
    bool present(int product) const { return products_[product].present; }
    bool firstArrivalPending() const { return firstArrivalPending_; }
    void setFirstArrivalPending(bool pending) { firstArrivalPending_ = pending; }
    bool readerRunning(int product) const { return readerRunning_[product].load(); }
    // The open feature handle of a product, or nullptr.
    hid::Device* featureHandle(int product) const { return products_[product].feature.get(); }
    // Product 0x5B2E's handle if open, else 0x5B2F's, else nullptr.
    hid::Device* sendHandle() const;
    bool anyHandleOpen() const { return sendHandle() != nullptr; }
    // Closes both feature handles (shutdown).
    void CloseHandles();

    // Interfaces of the mouse that the last scan found but could not open (no permission, most
    // likely): what the user is told when no mouse can be used.
    const std::vector<std::string>& unopenable() const { return unopenable_; }

    // Remembered paths, for tests and diagnostics.
    std::string featurePath(int product) const { return products_[product].featurePath; }
    std::string inputPath(int product) const;

private:
    struct ProductState {
        bool present = false;
        std::string featurePath;
        int featureMemberIndex = -1;
        int inputMemberIndex = -1;  // read by the reader thread when it starts
        std::unique_ptr<hid::Device> feature;
    };
    struct Reader {
        std::thread thread;
        hid::Device* device = nullptr;  // the reader's own open input interface, under readerMutex_
        bool stop = false;
    };

    void ScanInterface(int index, const hid::InterfaceInfo& info);
    void StartReader(int product);
    void ReaderThread(int product, int memberIndex);
    void StopReaders();

    hid::HidBackend& backend_;
    ChangeCallback onChange_;
    std::array<ProductState, kProductCount> products_{};
    bool connected_ = false;
    std::vector<std::string> unopenable_;
    bool firstArrivalPending_ = true;

    // Shared with the reader threads: the markers, and the input paths and reader devices under
    // readerMutex_.
    std::array<std::atomic<bool>, kProductCount> readerRunning_{};
    mutable std::mutex readerMutex_;
    std::array<std::string, kProductCount> inputPaths_{};
    std::array<Reader, kProductCount> readers_{};
};

}  // namespace vexmo
