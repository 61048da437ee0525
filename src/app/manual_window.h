#pragma once

#include <QString>

class QWidget;

namespace vermora::app {

// The manual that ships with the program (share/vermora/manual/index.html), in
// a window of its own at `section` (an anchor such as "textures"; empty for the
// top). One window: a second call turns the open one to the section.
void ShowManual(QWidget* window, const QString& section);

// The manual's section for a top page of the window ("General", "Backgrd", ...).
QString ManualSectionForPage(const QString& page);

}  // namespace vermora::app
