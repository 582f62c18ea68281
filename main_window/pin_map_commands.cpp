// File > Pin Map... and File > No Pin Map, and the map a conversion reads.

#include "convert/pin_map_file.h"
#include "main_window/main_window.h"
#include "messages/pin_map_messages.h"
#include "messages/window_texts.h"

namespace brisel::main_window {

// Starts from the chosen map, or from the one the source may have beside
// it. Cancel keeps the choice as it was.
void MainWindow::mnuFilePinMap_Click() {
    const std::string start = state_.PinMap == PinMapChoice::Chosen
                                  ? state_.PinMapPath
                                  : state_.SourcePath + SidecarMapName(state_.SourceFile);
    const auto choice = platform_.ChooseFile({.kind = platform::FileDialogKind::Open,
                                              .title = messages::kPinMapTitle,
                                              .filter = messages::kPinMapFilter,
                                              .filterIndex = 1,
                                              .defaultExt = ".map",
                                              .fileName = start});
    if (!choice) return;
    state_.PinMap = PinMapChoice::Chosen;
    state_.PinMapPath = choice->fileName;
    form_->SetEnabled("mnuFileNoPinMap", true);
}

// No map at all, not even one beside the source, until one is chosen.
void MainWindow::mnuFileNoPinMap_Click() {
    state_.PinMap = PinMapChoice::None;
    state_.PinMapPath.clear();
    form_->SetEnabled("mnuFileNoPinMap", false);
}

bool MainWindow::ReadPinMap(JobSettings& job, PinMapUse& use) {
    if (state_.PinMap == PinMapChoice::None) return true;
    const bool beside = state_.PinMap == PinMapChoice::BesideSource;
    const std::string path = beside ? job.SourcePath + SidecarMapName(job.SourceFile) : state_.PinMapPath;
    if (beside && !files_.Exists(path)) return true;
    const PinMapFile map = LoadPinMap(files_, path);
    if (!map.Read()) {
        messages::Say(*this, messages::ForPinMapFile(path, map));
        return false;
    }
    job.PinMap = map.map;
    use.label = platform::FileTitleOf(path);
    use.line = messages::PinMapUsedLine(job.SourceFile, beside ? use.label : path, beside);
    return true;
}

}  // namespace brisel::main_window
