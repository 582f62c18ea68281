#pragma once
// The page's files in the browser's storage for the page (its origin-private
// file system), read and written synchronously like files on a disk: before
// each conversion the worker opens a few files there, and the conversion's
// files take them in turn. Where the browser gives none (a page not served
// over HTTPS or from this machine), or they are all taken, a file is kept in
// the worker's memory.

#include <memory>

#include "web/file_store.h"

namespace brisel::web {

std::shared_ptr<FileStore> NewPageStore();

// Hands the new netlist to the worker script: the file of the browser's
// storage it is in, or a Blob made of its blocks in memory.
void HandOver(const FileStore& file);

}  // namespace brisel::web
