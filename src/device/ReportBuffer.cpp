#include "device/ReportBuffer.h"

namespace vexmo {

void ReportBuffer::Begin(uint8_t command, uint8_t length, uint8_t byte5, uint8_t byte1) {
    bytes_.fill(0);
    bytes_[0] = kReportId;
    bytes_[1] = byte1;
    bytes_[2] = command;
    bytes_[3] = 0;
    bytes_[4] = sequence_++;
    bytes_[5] = byte5;
    bytes_[6] = length;
}

}  // namespace vexmo
