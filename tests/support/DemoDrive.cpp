// qv7_demo_drive STEP: one step of a user's session with QV7UNINSTALL.EXE,
// for the demo under Xvfb, through the tests' own driver. Each step waits
// for the window it acts on.
//   wait | about | close-about | execute | yes | ok | cancel
#include "res/resource.h"
#include "tests/support/ProgramDriver.h"

#include <stdio.h>

#include <string>

namespace {

// "execute" and "yes" leave the box they bring up open for its screenshot.
bool Step(ProgramDriver& program, const std::string& step)
{
    ShownBox box;
    if (step == "wait")
        return true;
    if (step == "about")
        return program.OpenAbout();
    if (step == "close-about")
        return program.CloseAbout();
    if (step == "execute")
        return program.Click(IDOK) && program.TakeBox(box);
    if (step == "yes")
        return program.TakeBox(box) && program.Answer(box, IDYES) && program.TakeBox(box);
    if (step == "ok")
        return program.TakeBox(box) && program.Answer(box, IDOK) && program.WaitForExit();
    if (step == "cancel")
        return program.Click(IDCANCEL) && program.WaitForExit();
    fprintf(stderr, "qv7_demo_drive: no step %s\n", step.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    ProgramDriver program;
    if (argc != 2 || !program.Attach() || !Step(program, argv[1])) {
        fprintf(stderr, "qv7_demo_drive: step %s failed: %s\n", argc > 1 ? argv[1] : "(none)",
                program.Failure().c_str());
        return 1;
    }
    return 0;
}
