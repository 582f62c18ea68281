#pragma once
// A pin map read from a file, before a conversion starts: a map that cannot
// be read, or has a line that is wrong, stops the conversion before it
// begins.

#include <memory>
#include <optional>
#include <string>

#include "file_system/file_system.h"
#include "pin_map/pin_map_reader.h"

namespace brisel {

struct PinMapFile {
    std::shared_ptr<const pin_map::PinMap> map;  // when read without error
    std::optional<pin_map::MapError> error;      // the first line that is wrong
    FileReason readError;                        // why the file could not be read, when it could not

    bool Read() const { return map != nullptr; }
};

PinMapFile LoadPinMap(FileSystem& files, const std::string& path);
// The same for a map's bytes already read.
PinMapFile PinMapOfText(std::string_view text);

// The map a source may have beside it: its name with ".map" for its
// extension ("board.net" gives "board.map").
std::string SidecarMapName(const std::string& sourceFile);

}  // namespace brisel
