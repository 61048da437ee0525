#pragma once

#include <QString>
#include <vector>

#include "field_factory.h"
#include "params/page_path.h"

class QTabWidget;
class QWidget;

namespace vermora::app {

// The object name of the page at `path` ("Tab" and the path without separators).
QString PageObjectName(const std::string& path);

// Builds the widgets of a leaf page: one row per parameter, entry fields that share
// a label side by side (a vector), long pages in two columns, the page switches of
// its sibling pages in a group at the head. Hidden parameters get a widget that is
// never shown. Fields go to `fields`.
QWidget* BuildLeafPage(ParameterSet& set, const std::vector<size_t>& params, const EditedFn& edited,
                       std::vector<Field>& fields, QWidget* parent,
                       const std::vector<size_t>& page_switches = {});

// Builds a page with sub-pages as nested tabs, or a leaf page.
QWidget* BuildPage(ParameterSet& set, const PageNode& node, const EditedFn& edited,
                   std::vector<Field>& fields, QWidget* parent);

}  // namespace vermora::app
