#pragma once
// The two data sets in the data home: the user's own data and the
// demonstration household.

namespace cw {

// Creates each missing data file: the layout, the fixed top level of the chart,
// an administrator without password and the version row; the demonstration
// file also gets its sample household. False when a file could not be made.
bool EnsureDataSets();
// The same for one data set.
bool CreateDataSet(int which);

// Opens a data set (creating it when missing) and runs the version check that
// every opening runs. 1 when it may be used; 0 when it could not be opened or
// was written by a newer program (message shown).
int OpenDataSet(int which);

// The first half of OpenDataSet: opens a data set (creating it when missing)
// and refuses one written by a newer program (0, message shown), but changes
// nothing in an existing file, so that a login can be checked before the
// upgrade. The caller then runs CheckAndUpgrade (core/schema_version.h).
int OpenDataSetUnchanged(int which);

}  // namespace cw
