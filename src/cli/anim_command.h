#pragma once

#include <string>
#include <vector>

#include "command_line.h"

// vermora-cli anim: the frame series of a set, without a window.
int AnimCommand(const vermora::cli::Args& args, const std::vector<std::string>& include_dirs);
