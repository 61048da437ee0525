#pragma once

// vermora-cli anim: the frame series of a set, without a window. `argv[0]`
// is the command name.
int AnimCommand(int argc, char** argv);
