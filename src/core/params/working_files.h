#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"

namespace vermora {

// The files the program keeps in its own folder besides those the user names.
inline constexpr const char* kMyDefaultFile = "_default.vmx";
inline constexpr const char* kEvolveFile = "_evolve.vmx";
inline constexpr const char* kMutateFile = "_mutate.vmx";
inline constexpr const char* kAnimFile = "_anim.vmx";
inline constexpr const char* kSecondSetFile = "_lsec.vmx";
inline constexpr const char* kThingBFile = "_thingb.vmx";
inline constexpr const char* kSceneFile = "TEMP.POV";
inline constexpr const char* kPictureFile = "TEMP.BMP";
inline constexpr const char* kMessagesFile = "ALLTEXT.OUT";

inline constexpr const char* kDefaultPovrayPath = "/usr/bin/povray";
inline constexpr const char* kNoMyDefault = "Save a default first";

// The program folder, with a trailing "/": $VERMORA_HOME, else $XDG_DATA_HOME/vermora,
// else ~/.local/share/vermora. Empty arguments count as unset.
std::string ProgramFolderFrom(std::string_view vermora_home, std::string_view xdg_data_home,
                              std::string_view home);
// The same from this process's environment.
std::string ProgramFolder();
// Creates the folder when missing.
Status EnsureFolder(const std::string& folder);

// Working file names are matched without regard to case: the program writes some in
// lower case and looks for them in upper case. Returns every entry of `folder`
// whose name matches, so a removal takes all spellings at once.
std::vector<std::string> FindCaseBlind(const std::string& folder, std::string_view name);
// Removes every spelling of each name; missing or stubborn files are left silently.
void RemoveWorkingFiles(const std::string& folder, const std::vector<std::string_view>& names);

// Files left by a run that ended abnormally, removed at start.
std::vector<std::string_view> StaleAtStart();
// Removed, in this order, when the main window closes. The scene file stays.
std::vector<std::string_view> RemovedAtClose();
// Removed when the Features page is entered, so the next step takes the current set.
std::vector<std::string_view> RemovedOnFeatures();

// The path of an existing working file under any spelling, else folder + name.
std::string WorkingFilePath(const std::string& folder, std::string_view name);

bool HasMyDefault(const std::string& folder);
Status SaveMyDefault(const std::string& folder, const ParameterSet& set);
// Fails with kNoMyDefault when none was saved.
Status LoadMyDefault(const std::string& folder, ParameterSet& set, const LoadRefresh& refresh = {});
void RemoveMyDefault(const std::string& folder);

}  // namespace vermora
