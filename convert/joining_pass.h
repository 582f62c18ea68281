#pragma once
// The first pass: copies the source and puts each signal's pin references,
// which may run over many lines, on the one line after its header.

#include "convert/line_reader.h"
#include "convert/line_writer.h"

namespace brisel {

void JoinSignals(LineReader& source, LineWriter& joined);

}  // namespace brisel
