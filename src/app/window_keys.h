#pragma once

// The window's caption and the keys it keeps in the settings, in one place.
namespace vermora::app {

inline constexpr const char* kCaption = "Vermora 0.99g : creatures for POV-Ray";

// QSettings(kSettingsOrg, kSettingsApp) holds every key below.
inline constexpr const char* kSettingsOrg = "Lumenfold";
inline constexpr const char* kSettingsApp = "Quorel";

inline constexpr const char* kPovrayPathKey = "POVRAY path";
inline constexpr const char* kObjectLimitKey = "Object limit";
inline constexpr const char* kRecentFilesKey = "recent files";
inline constexpr const char* kAutoRenderKey = "view/auto render";
// The window was running the render queue when it closed: it goes on at start.
inline constexpr const char* kQueueRunningKey = "queue/running";
// The cores a queued render leaves to the designer's own renders.
inline constexpr const char* kQueueLeaveKey = "queue/cores left";
// In the program folder: the hosts a render queue's job in parts goes to, one
// a line as GNU Parallel's --sshloginfile (vermora-cli queue run reads it too).
inline constexpr const char* kHostsFile = "hosts.txt";
inline constexpr const char* kGeometryKey = "window/geometry";
inline constexpr const char* kSplitterKey = "window/splitter";
inline constexpr const char* kSideSplitterKey = "window/side splitter";
inline constexpr const char* kPictureModeKey = "window/picturePane";
inline constexpr const char* kSurroundingsKey = "window/viewSurroundings";
inline constexpr const char* kLastPictureFileKey = "picture/last file";
inline constexpr const char* kFramesFolderKey = "animation/frames folder";
inline constexpr const char* kFramesOwnSizeKey = "animation/own frame size";
inline constexpr const char* kFramesWidthKey = "animation/frame width";
inline constexpr const char* kFramesHeightKey = "animation/frame height";

}  // namespace vermora::app
