#pragma once
// The release tool: an update site is a folder that an HTTPS server offers as
// the update server's folder. It holds the files of an installation under their
// paths relative to the prefix (bin/coinwright, share/coinwright/VERSION ...),
// `Update.inf` listing every one of them with its check number, and
// `Update.inf.sig` with their SHA-256 sums, signed with the publisher's secret key.
//
//   update site DIR --key FILE [--version X.YZ] [--description TEXT] [--from PREFIX]
//       copies the files that the installation's MANIFEST lists (the running
//       tool's own installation unless --from names another) into the new
//       folder DIR and signs it;
//   update sign DIR --key FILE [--version X.YZ] [--description TEXT]
//       lists and signs the files DIR holds now (after a file was changed,
//       added or removed).
// --version also writes share/coinwright/VERSION, the version the updated
// installation reports; without it the site keeps the version it holds.
// Nothing is left half-written: a new site appears whole, and Update.inf and
// its signature are replaced by renaming.
#include "cli/verbs.h"

namespace cw::cli {

Document MakeUpdateSite(Invocation& invocation);
Document SignUpdateSite(Invocation& invocation);

}  // namespace cw::cli
