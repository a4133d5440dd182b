#include "device/ReportSender.h"

namespace vexmo {

void ReportSender::SendReport() {
    hid::Device* device = link_.sendHandle();
    if (!device) return;
    device->setFeature(buffer_.bytes());
    sent_ = true;
    clock_.sleepMs(kPacingMs);
}

bool ReportSender::SendStatusQuery(hid::Device& device) {
    buffer_.Begin(command::kStatus, 0x00, 0x00);
    return device.setFeature(buffer_.bytes());
}

std::optional<Report> ReportSender::QueryStatus() {
    hid::Device* device = link_.sendHandle();
    if (!device) return std::nullopt;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!SendStatusQuery(*device)) return std::nullopt;
        clock_.sleepMs(kStatusWaitMs);
        auto bytes = buffer_.bytes();
        std::fill(bytes.begin() + 1, bytes.end(), 0xFF);
        bytes[0] = ReportBuffer::kReportId;
        if (!device->getFeature(bytes)) return std::nullopt;
        if (bytes[6] != 0) {
            Report reply;
            std::copy(bytes.begin(), bytes.end(), reply.begin());
            return reply;
        }
    }
    return std::nullopt;
}

bool ReportSender::SendRestore() {
    hid::Device* device = link_.featureHandle(1);
    if (!device) return false;
    const uint8_t byte1 = link_.featureHandle(0) ? 0x00 : 0x01;
    buffer_.Begin(command::kRestore, 0x01, 0x01, byte1);
    buffer_[7] = 0xFF;
    device->setFeature(buffer_.bytes());
    return true;
}

}  // namespace vexmo
