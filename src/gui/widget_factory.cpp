#include "gui/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <string>

#include "gui/caption_parts.h"
#include "gui/tab_order.h"
#include "gui/widget_sync.h"

namespace gui {

namespace {

using ui::ControlKind;

// A text box as wide as its text (see widget_sync), not as Qt's wide default: the window's
// designed size is that of the texts it shows.
class TextBoxEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  QSize sizeHint() const override { return {minimumWidth(), QLineEdit::sizeHint().height()}; }
};

class Builder {
 public:
  Builder(const ui::Window& window, QMainWindow& main, WidgetTable& table)
      : window_(window), main_(main), table_(table) {
    auto* central = new QWidget(&main);
    central->setObjectName("background");
    window_grid_ = new QGridLayout(central);
    main.setCentralWidget(central);
    QLineEdit probe(central);
    box_height_ = probe.sizeHint().height();
  }

  void Build(ui::Control& control) {
    BoundControl bound{.control = &control};
    switch (control.kind()) {
      case ControlKind::kMenu:
        AddMenu(control, bound);
        break;
      case ControlKind::kMenuItem:
        AddMenuItem(control, bound);
        break;
      case ControlKind::kTimer:
        break;
      case ControlKind::kStatusBar:
        AddStatusBar(control, bound);
        break;
      case ControlKind::kLabel:
        if (AddLabelInPieces(control, bound)) break;
        [[fallthrough]];
      default:
        bound.widget = MakeWidget(control, ContainerWidget(control), bound);
        bound.widget->setObjectName(QString::fromStdString(control.display_name()));
        bound.container = ContainerGrid(control);
        Place(bound);
        break;
    }
    BoundControl& stored = table_.Add(bound);
    for (QLabel* piece : stored.label_pieces) table_.AddPart(piece, stored);
    if (auto* combo = qobject_cast<QComboBox*>(stored.widget);
        combo != nullptr && combo->lineEdit() != nullptr) {
      table_.AddPart(combo->lineEdit(), stored);
    }
    if (control.kind() == ControlKind::kFrame || control.kind() == ControlKind::kMenu) {
      containers_[control.name()] = &stored;
    }
    ShowAll(stored);
  }

 private:
  QWidget* MakeWidget(const ui::Control& control, QWidget* parent, BoundControl& bound) {
    switch (control.kind()) {
      case ControlKind::kTextBox: {
        auto* edit = new TextBoxEdit(parent);
        // The model owns the text: no editing menu, no dropped text.
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setAcceptDrops(false);
        if (control.highlighted()) {
          QPalette palette = edit->palette();
          palette.setColor(QPalette::Text, palette.color(QPalette::Highlight));
          edit->setPalette(palette);
        }
        return edit;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
      }
      case ControlKind::kButton:
        return new QPushButton(parent);
      case ControlKind::kCheckBox:
        return new QCheckBox(parent);
      case ControlKind::kOption: {
        // The model clears the other options of the frame; left to Qt, an exclusive group
        // could never show "nothing selected".
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false);
        return option;
      }
      case ControlKind::kList: {
        auto* combo = new QComboBox(parent);
        // Its width is kept by widget_sync from the items it has shown, not recomputed
        // from the items it has now.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (control.editable()) {
          combo->setEditable(true);
          combo->setInsertPolicy(QComboBox::NoInsert);
          combo->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
          combo->lineEdit()->setAcceptDrops(false);
        }
        return combo;
      }
      case ControlKind::kFrame: {
        auto* frame = new QGroupBox(parent);
        bound.grid = new QGridLayout(frame);
        return frame;
      }
      case ControlKind::kScrollBar:
        return MakeSpinnerBar(parent);
      default:
        break;
    }
    return new QWidget(parent);
  }

  // A vertical bar only a little taller than a text box: little more than its two arrows,
  // an up-down spinner. A drag of the thumb reports only where it ends.
  QScrollBar* MakeSpinnerBar(QWidget* parent) const {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    const int extent = bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    bar->setFixedSize(extent, std::max(box_height_ + 4, 2 * extent + 2));
    return bar;
  }

  // A label carrying several controls' captions is shown in pieces (see caption_parts.h).
  bool AddLabelInPieces(const ui::Control& control, BoundControl& bound) {
    const ui::LayoutHint& at = control.layout();
    std::vector<ui::LayoutHint> cells;
    if (HasLinePerRow(control)) {
      bound.pieces_are_lines = true;
      for (int row = at.row; row < at.row + at.row_span; ++row)
        cells.push_back({row, at.column, 1, at.column_span});
    } else {
      for (const ColumnRun& run : UncoveredRuns(control, window_))
        cells.push_back({at.row, run.column, at.row_span, run.span});
    }
    if (cells.empty()) return false;
    bound.container = ContainerGrid(control);
    for (const ui::LayoutHint& cell : cells) {
      auto* piece = new QLabel(ContainerWidget(control));
      piece->setTextFormat(Qt::PlainText);
      piece->setObjectName(QString::fromStdString(control.display_name()));
      bound.container->addWidget(piece, cell.row, cell.column, cell.row_span, cell.column_span);
      bound.label_pieces.push_back(piece);
    }
    bound.widget = bound.label_pieces.front();
    return true;
  }

  void AddMenu(const ui::Control& control, BoundControl& bound) {
    const BoundControl* parent = Container(control);
    bound.menu = parent != nullptr && parent->menu != nullptr ? parent->menu->addMenu(QString())
                                                              : main_.menuBar()->addMenu(QString());
    bound.action = bound.menu->menuAction();
    // Every separator of the table is drawn, even one that opens the menu.
    bound.menu->setSeparatorsCollapsible(false);
  }

  void AddMenuItem(const ui::Control& control, BoundControl& bound) {
    const BoundControl* parent = Container(control);
    if (parent == nullptr || parent->menu == nullptr) return;  // the window admits no such table
    bound.action = parent->menu->addAction(QString());
  }

  // Four sunken panels, the first taking the spare width.
  void AddStatusBar(const ui::Control& control, BoundControl& bound) {
    auto* bar = new QStatusBar(ContainerWidget(control));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < ui::kStatusPanelCount; ++i) {
      auto* panel = new QLabel(bar);
      panel->setTextFormat(Qt::PlainText);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      // A panel shares out the window's width and never widens the window: a long status
      // message is cut at the panel's end instead of moving every frame above it.
      panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      bar->addWidget(panel, i == 0 ? 3 : 1);
      bound.panels[i] = panel;
    }
    bound.widget = bar;
    bar->setObjectName(QString::fromStdString(control.display_name()));
    if (control.parent().empty() && !window_has_status_bar_) {
      main_.setStatusBar(bar);
      window_has_status_bar_ = true;
    } else {
      bound.container = ContainerGrid(control);
      Place(bound);
    }
  }

  const BoundControl* Container(const ui::Control& control) const {
    const auto it = containers_.find(control.parent());
    return it == containers_.end() ? nullptr : it->second;
  }

  QWidget* ContainerWidget(const ui::Control& control) const {
    const BoundControl* frame = Container(control);
    return frame != nullptr && frame->widget != nullptr ? frame->widget : main_.centralWidget();
  }

  QGridLayout* ContainerGrid(const ui::Control& control) const {
    const BoundControl* frame = Container(control);
    return frame != nullptr && frame->grid != nullptr ? frame->grid : window_grid_;
  }

  // A control whose hint was left at the first cell, when that cell is taken, goes to a
  // new row at the bottom: a table without hints still shows every control.
  void Place(BoundControl& bound) {
    if (bound.container == nullptr || bound.widget == nullptr) return;
    const ui::LayoutHint& at = bound.control->layout();
    if (at == ui::LayoutHint{} && bound.container->itemAtPosition(0, 0) != nullptr) {
      bound.container->addWidget(bound.widget, bound.container->rowCount(), 0);
      return;
    }
    PlaceInGrid(bound);
  }

  const ui::Window& window_;
  QMainWindow& main_;
  WidgetTable& table_;
  QGridLayout* window_grid_;
  int box_height_ = 0;
  bool window_has_status_bar_ = false;
  std::map<std::string, BoundControl*> containers_;
};

}  // namespace

void BuildWidgets(ui::Window& window, QMainWindow& main, WidgetTable& table) {
  if (!window.tool_bar().empty()) {
    QToolBar* bar = main.addToolBar(QString::fromStdString(window.tool_bar()));
    bar->setObjectName(QString::fromStdString(window.tool_bar()));
    bar->setMovable(false);
  }
  Builder builder(window, main, table);
  for (ui::Control& control : window.controls()) builder.Build(control);
  SetTabOrder(window, table);
}

}  // namespace gui
