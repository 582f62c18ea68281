#pragma once
// The conversion in-process, in a child under a file-size limit: a full disk
// without filling one.

#include "tests/convert/conversion_fixture.h"

namespace brisel::reliability {

// Runs `host`'s conversion in a child whose writes beyond `bytes` fail with
// EFBIG; the host records the messages the child showed.
ConversionResult ConvertInChild(test::RecordingHost& host, long long bytes);

}  // namespace brisel::reliability
