#include "convert/convert_netlist.h"

#include "convert/conversion_run.h"
#include "convert/job_paths.h"

namespace brisel {

Outcome ConvertNetlist(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter) {
    Outcome outcome;
    if (const auto refusal = RefusalFor(settings, files)) {
        outcome.result = ConversionResult::Refused;
        outcome.refusal = *refusal;
    } else {
        outcome = ConversionRun(settings, files, reporter).Run();
    }
    reporter.Finished(outcome);
    return outcome;
}

}  // namespace brisel
