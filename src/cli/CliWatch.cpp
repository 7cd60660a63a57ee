#include "cli/CliWatch.h"

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliRun.h"
#include "core/runs/GenerateLookup.h"
#include "core/runs/LibraryWatch.h"

int WatchCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err, const StopSignal& stop)
{
    // Lines reach the service manager's log as they come, not hours later.
    CliRun run(out, err, true);
    if (!run.Prepare(arguments, err, true))
        return kExitUsage;
    WatchRequest request;
    request.generate = run.Request();
    request.generate.runName = "Watch";
    request.recursive = arguments.recursive;
    request.settleSeconds = arguments.settleSeconds;
    request.passSeconds = arguments.rescanMinutes * 60.0;
    if (GenerateLookup* lookup = run.Lookup()) {
        // Each run looks up the files it writes; a show asked once comes
        // from the cache for its later episodes.
        request.beforeRun = [lookup, &run](GenerateRequest& generate) {
            lookup->Before(generate, run.Log());
        };
    }
    RunWatch(request, run.Log(), stop);
    return kExitSuccess;
}
