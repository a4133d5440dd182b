#include "HidTestSupport.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vexmo::hid::test {

std::vector<uint8_t> loadDescriptor(const std::string& name) {
    std::ifstream in(std::string(VEXMO_TEST_DATA) + "/hid/" + name);
    if (!in) throw std::runtime_error("missing test data " + name);
    std::vector<uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word)
            bytes.push_back(static_cast<uint8_t>(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexmo-hid-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

FakeHidrawTree::FakeHidrawTree() {
    std::filesystem::create_directories(dir_.path() / "sys" / "class" / "hidraw");
    std::filesystem::create_directories(dir_.path() / "dev");
}

std::string FakeHidrawTree::devNode(unsigned number) const {
    return dev() + "/hidraw" + std::to_string(number);
}

void FakeHidrawTree::addNodeWithUevent(unsigned number, const std::string& uevent,
                                       std::span<const uint8_t> descriptor) {
    const auto device =
        dir_.path() / "sys" / "class" / "hidraw" / ("hidraw" + std::to_string(number)) / "device";
    std::filesystem::create_directories(device);
    std::ofstream(device / "uevent") << uevent;
    std::ofstream(device / "report_descriptor", std::ios::binary)
        .write(reinterpret_cast<const char*>(descriptor.data()),
               static_cast<std::streamsize>(descriptor.size()));
    if (::mkfifo(devNode(number).c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
}

void FakeHidrawTree::addNode(unsigned number, uint16_t vendor, uint16_t product,
                             std::span<const uint8_t> descriptor, bool withDevNode) {
    char uevent[160];
    std::snprintf(uevent, sizeof uevent,
                  "DRIVER=hid-generic\nHID_ID=0003:%08X:%08X\nHID_NAME=Test device\n", vendor,
                  product);
    addNodeWithUevent(number, uevent, descriptor);
    if (!withDevNode) std::filesystem::remove(devNode(number));
}

void FakeHidrawTree::addStrayEntry(const std::string& name) {
    std::filesystem::create_directories(dir_.path() / "sys" / "class" / "hidraw" / name);
}

}  // namespace vexmo::hid::test
