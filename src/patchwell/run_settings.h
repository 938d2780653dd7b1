#pragma once
// What one updater run works with, gathered from the command line, the
// settings and the installation: the server folder (--server, else Update
// under [Web] in Coinwright.ini), the installation folder (--install-dir,
// else the prefix the updater lies in), its version (share/coinwright/VERSION)
// and the trusted key (share/coinwright/update.pub).
#include "patchwell/patchwell_options.h"
#include "patchwell/update_run.h"

namespace cw::patchwell {

// The settings must already read the data home's Coinwright.ini.
RunSettings ReadRunSettings(const PatchwellOptions& options);

}  // namespace cw::patchwell
