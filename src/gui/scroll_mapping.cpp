#include "gui/scroll_mapping.h"

#include <climits>

namespace gui {

namespace {

// -INT_MIN does not fit an int; that one end comes out one step short instead of
// overflowing.
int Negate(int value) { return value == INT_MIN ? INT_MAX : -value; }

}  // namespace

ScrollMapping::ScrollMapping(int min, int max)
    : negated_(min > max),
      qt_minimum_(negated_ ? Negate(min) : min),
      qt_maximum_(negated_ ? Negate(max) : max) {}

int ScrollMapping::ToQt(int model_value) const { return negated_ ? Negate(model_value) : model_value; }

int ScrollMapping::ToModel(int qt_value) const { return negated_ ? Negate(qt_value) : qt_value; }

}  // namespace gui
