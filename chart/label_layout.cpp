// Label placement along one axis: labels keep a minimum distance, move as little as the
// others allow, and are thinned out evenly when the space is too short for all.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "chart/chart_layout.h"

namespace qira::chart {

std::vector<LabelSlot> spreadLabels(const std::vector<double>& wanted, double gap, double lo,
                                    double hi) {
  std::vector<std::size_t> order(wanted.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
  std::size_t room = hi > lo ? static_cast<std::size_t>((hi - lo) / gap) + 1 : 1;
  std::size_t stride = order.empty() ? 1 : (order.size() + room - 1) / room;
  std::vector<LabelSlot> slots;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k % stride != 0 && k + 1 != order.size()) continue;
    double w = std::clamp(wanted[order[k]], lo, hi);
    slots.push_back({order[k], wanted[order[k]], w});
  }
  while (slots.size() > room) slots.erase(slots.end() - 2);  // the last always stays
  // push down (towards hi) what crowds its predecessor, then back up from hi
  for (std::size_t k = 1; k < slots.size(); ++k)
    slots[k].placed = std::max(slots[k].placed, slots[k - 1].placed + gap);
  if (!slots.empty() && slots.back().placed > hi) slots.back().placed = hi;
  for (std::size_t k = slots.size(); k-- > 1;)
    slots[k - 1].placed = std::min(slots[k - 1].placed, slots[k].placed - gap);
  // pairs of labels pushed apart equally sit better centred on their wanted positions:
  // shift each run of touching labels towards the mean of its wishes, inside [lo, hi]
  std::size_t start = 0;
  while (start < slots.size()) {
    std::size_t end = start + 1;
    while (end < slots.size() && slots[end].placed - slots[end - 1].placed <= gap + 1e-9) ++end;
    double shift = 0.0;
    for (std::size_t k = start; k < end; ++k) shift += slots[k].wanted - slots[k].placed;
    shift /= static_cast<double>(end - start);
    double roomBelow = slots[start].placed - (start > 0 ? slots[start - 1].placed + gap : lo);
    double roomAbove = (end < slots.size() ? slots[end].placed - gap : hi) - slots[end - 1].placed;
    shift = std::clamp(shift, -roomBelow, roomAbove);
    for (std::size_t k = start; k < end; ++k) slots[k].placed += shift;
    start = end;
  }
  return slots;
}

}  // namespace qira::chart
