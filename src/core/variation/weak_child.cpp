#include "variation/weak_child.h"

#include "scene/object_count.h"

namespace vermora {

std::string WeakChildReason(const ParameterSet& child, double max_objects) {
  const ObjectEstimate estimate = EstimateObjects(child);
  if (!estimate.status.ok()) return estimate.status.message();
  if (!(estimate.objects > 0)) return "empty scene";
  if (estimate.objects > max_objects) return estimate.text + " objects";
  return {};
}

}  // namespace vermora
