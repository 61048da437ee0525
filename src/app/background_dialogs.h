#pragma once

#include <string_view>

namespace vermora {

// What the window's file dialogs for backgrounds show. The filter is in the
// "Description (*.ext)|*.ext|..." form; the window turns it into its own.
struct FileDialogText {
  std::string_view title;
  std::string_view default_extension;  // empty: none
  std::string_view file_name;
  std::string_view filter;
};

inline constexpr FileDialogText kSaveBackgroundDialog = {
    "Save Background File", "vbk", "*.vbk", "Vermora Background Files (*.vbk)|*.vbk|All Files|*.*"};
inline constexpr FileDialogText kOpenBackgroundDialog = {
    "Open Background File", "vbk", "*.vbk", "Vermora Background Files (*.vbk)|*.vbk|All Files|*.*"};
inline constexpr FileDialogText kExportBackgroundDialog = {
    "Export to Background Include File", "inc", "*.inc",
    "Include Files (*.inc)|*.inc|All Files|*.*"};
inline constexpr FileDialogText kLoadPictureDialog = {
    "Load Picture File", "", " ",
    "bmp file (*.bmp)|*.bmp|tga file (*.tga)|*.tga|png file (*.png)|*.png|gif file (*.gif)|*.gif|"
    "All Files|*.*"};
inline constexpr FileDialogText kLoadHeightFieldDialog = {
    "Load Heightfield File", "", " ",
    "tga file (*.tga)|*.tga|gif file (*.gif)|*.gif|png file (*.png)|*.png|pot file (*.pot)|*.pot|"
    "All Files|*.*"};

// Menu and button captions of the background commands.
inline constexpr std::string_view kSaveBackgroundMenu = "Save Background ...";
inline constexpr std::string_view kLoadBackgroundMenu = "Load Background ...";
inline constexpr std::string_view kExportBackgroundMenu = "Export background ...";
inline constexpr std::string_view kBackgroundPreviewMenu = "Background Preview";
inline constexpr std::string_view kLoadFileCaption = "Load file";
inline constexpr std::string_view kUpdateCaption = "Update";

}  // namespace vermora
