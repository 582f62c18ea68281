#include "convert/pin_map_file.h"

#include <vector>

namespace brisel {

PinMapFile LoadPinMap(FileSystem& files, const std::string& path) {
    PinMapFile result;
    const auto file = files.OpenForReading(path);
    std::string text;
    std::vector<char> block(1 << 16);
    while (!file->Failed()) {
        const std::size_t size = file->Read(block.data(), block.size());
        if (size == 0) break;
        text.append(block.data(), size);
    }
    if (file->Failed()) {
        result.readError = file->Error();
        return result;
    }
    return PinMapOfText(text);
}

PinMapFile PinMapOfText(std::string_view text) {
    PinMapFile result;
    pin_map::MapReading reading = pin_map::ReadPinMap(text);
    if (reading.error) {
        result.error = std::move(reading.error);
    } else {
        result.map = std::make_shared<const pin_map::PinMap>(std::move(reading.map));
    }
    return result;
}

std::string SidecarMapName(const std::string& sourceFile) {
    const auto dot = sourceFile.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? sourceFile : sourceFile.substr(0, dot);
    return stem + ".map";
}

}  // namespace brisel
