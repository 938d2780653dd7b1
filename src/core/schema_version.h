#pragma once
// The schema version of a data set and the steps that run whenever one is opened.
//
// Versions are major + hundredths (3.40), stored in Ver_DB as major * 65536 +
// hundredths. The program's own version comes from the build: 3.4.0 is 3.40.

namespace cw {

double ProgramVersion();
int EncodeVersion(double version);
double DecodeVersion(int ver_db);

// Whether the open data set may be used by a program of `program_version`:
// false (message shown) when a newer program wrote it. Only reads, so that the
// login list can refuse such a data set before anyone logs in.
bool VersionUsable(double program_version);

// Runs when a data set has been opened: refuses a data set written by a newer
// program (0, message shown), upgrades an older one (core/schema_upgrade.h: 0
// when its questions were not answered or a step failed; the file is then
// unchanged), and moves the demonstration data forward so that it ends in the
// current month. 1 when the data set may be used.
int CheckAndUpgrade(double program_version, int today);

// Moves untouched sample data (its newest voucher is 200809009) forward so that
// September 2008 becomes the month of `today`; days past the end of a shorter
// month become its last day. Returns false when a statement failed.
bool MoveDemonstrationForward(int today);

}  // namespace cw
