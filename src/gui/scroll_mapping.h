#pragma once
// How a model scroll bar's range meets QScrollBar's. A vertical bar of the model has
// `min` at its top and `max` at its bottom, and `min` may lie above `max`: the trim bars
// go from +5000 at the top to -5000 at the bottom, so that the up arrow raises the trim.
// QScrollBar always has its smaller end at the top, so such a bar is shown negated.

namespace gui {

class ScrollMapping {
 public:
  ScrollMapping(int min, int max);

  int qt_minimum() const { return qt_minimum_; }
  int qt_maximum() const { return qt_maximum_; }
  int ToQt(int model_value) const;
  int ToModel(int qt_value) const;

 private:
  bool negated_;
  int qt_minimum_;
  int qt_maximum_;
};

}  // namespace gui
