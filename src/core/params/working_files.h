#pragma once

#include <string>

namespace vermora {

// The working copies of the parameter set kept in the program folder.
inline constexpr const char* kDefaultFile = "_default.vmx";
inline constexpr const char* kEvolveFile = "_evolve.vmx";
inline constexpr const char* kMutateFile = "_mutate.vmx";
inline constexpr const char* kAnimFile = "_anim.vmx";
inline constexpr const char* kSecondSetFile = "_lsec.vmx";
inline constexpr const char* kThingBFile = "_thingb.vmx";

// The program folder, ending in "/": $VERMORA_HOME, else $XDG_DATA_HOME/vermora,
// else $HOME/.local/share/vermora. Empty or unset variables count as missing.
// Pure: the caller passes the three variables (null when unset).
std::string ProgramFolderFrom(const char* vermora_home, const char* xdg_data_home,
                              const char* home);
// ProgramFolderFrom with this process's environment.
std::string ProgramFolder();

// `folder` (with or without a trailing "/") joined with `name`.
std::string WorkingFilePath(const std::string& folder, const std::string& name);

// Whether a working file is present; names match without regard to case, as
// the program writes some of them in lower case and looks for them in upper.
bool WorkingFileExists(const std::string& folder, const std::string& name);
// The path of the working file as it is on disk, or an empty text when absent.
std::string FindWorkingFile(const std::string& folder, const std::string& name);

// Removes the working file when present; a missing or stuck file is skipped.
void RemoveWorkingFile(const std::string& folder, const std::string& name);

}  // namespace vermora
