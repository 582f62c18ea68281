#include "convert/convert_netlist.h"

#include "convert/conversion_run.h"
#include "convert/job_paths.h"

namespace brisel {

ConversionResult ConvertNetlist(ConversionHost& host) {
    host.Flags() = CheckFlags{};
    const JobSettings& settings = host.Settings();
    const JobPaths paths = JobPaths::From(settings);
    if (const auto refusal = RefusalFor(settings, paths)) {
        host.Beep();
        host.ShowMessage(refusal->text, refusal->title, IconKind::Error);
        host.FocusSource();
        return ConversionResult::Refused;
    }
    return ConversionRun(host, paths).Run();
}

}  // namespace brisel
