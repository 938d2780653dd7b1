#pragma once
// What the screenshot tours share besides the steps of desktop_driver.h: the
// output folder named on the command line, the shots saved there, and whether
// a shot or a step failed, which makes the tour's exit code. A tour program
// holds one session.
#include <QString>

namespace cw {
class CMainFrame;
}  // namespace cw

namespace cw::testing {

// Takes the output folder from the command line (see ScreenshotFolder); false
// when the arguments are wrong.
bool BeginScreenshotTour(int argc, char** argv);

// The output folder of the tour.
QString TourFolder();

// Saves the whole screen as `name`.png in the output folder (see Screenshot);
// a failure fails the tour.
void Shoot(const char* name);

// Unless `ok`, says `what` on stderr and fails the tour.
void Check(bool ok, const char* what);

// Puts the frame, not maximised, over the whole screen, so that wide tables
// show as much as the screen holds.
void FillScreen(CMainFrame* frame);

// The tour's exit code: 0 when every shot and check succeeded, otherwise 1.
int TourExitCode();

}  // namespace cw::testing
