#include "gui/port_mapping_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "gui/tool_window_place.h"

namespace gui {

namespace {

QString Qt8(const std::string& text) { return QString::fromStdString(text); }

class PortMappingDialog final : public QDialog {
 public:
  PortMappingDialog(QWidget& parent, PortMappingSetup setup) : QDialog(&parent), setup_(std::move(setup)) {
    setObjectName("portMappingDialog");
    setWindowTitle(QCoreApplication::translate("PortMappingDialog", "串口映射"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QCoreApplication::translate(
                                 "PortMappingDialog",
                                 "为每个端口号选择设备，或直接输入设备路径。USB 转换器以 /dev/serial/by-id/ "
                                 "下的名字保存：换一个 USB 口或重新插拔后，端口号不变。留空则用系统的串口。"),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "端口"), this), 0, 0);
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "设备"), this), 0, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "回显"), this), 0, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "RS-485"), this), 0, 3);
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "波特率"), this), 0, 4);
    grid->addWidget(new QLabel(QCoreApplication::translate("PortMappingDialog", "说明"), this), 0, 5);
    for (std::size_t i = 0; i < setup_.port_names.size(); ++i) AddRow(*grid, static_cast<int>(i) + 1);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(5, 2);
    layout->addLayout(grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("PortMappingDialog", "确定"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("PortMappingDialog", "取消"));
    QPushButton* refresh = buttons->addButton(QCoreApplication::translate("PortMappingDialog", "刷新设备"),
                                              QDialogButtonBox::ResetRole);
    refresh->setObjectName("refresh");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    layout->addWidget(buttons);
    connect(refresh, &QPushButton::clicked, this, [this] { FindDevices(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Store(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
    resize(1000, sizeHint().height());
  }

  // Shows what is stored now and the devices there are now.
  void Reload() {
    for (Row& row : rows_) {
      const std::string stored = setup_.map->Stored(row.port);
      const platform::PortTargetParse parsed = platform::ParsePortTarget(stored);
      // A text edited by hand that is no target stays as it is, for the user to mend.
      const platform::PortTarget target = parsed.target.value_or(platform::PortTarget{});
      row.combo->setEditText(Qt8(parsed.target ? target.device : stored));
      row.echo->setCurrentIndex(target.echo ? static_cast<int>(*target.echo) + 1 : 0);
      row.rs485->setCurrentIndex(static_cast<int>(target.rs485));
      row.baud->setText(target.fixed_baud ? QString::number(*target.fixed_baud) : QString());
    }
    FindDevices();
  }

 private:
  struct Row {
    int port;
    QComboBox* combo;
    QComboBox* echo;   // program default, then EchoMode in order
    QComboBox* rs485;  // Rs485Mode in order
    QLineEdit* baud;   // a tcp:// server's line speed
    QLabel* about;
  };

  // The row's device and chosen options as a target's text ("" for the system's port).
  std::string TargetText(const Row& row) const {
    std::string text = row.combo->currentText().trimmed().toStdString();
    if (text.empty()) return text;
    // An adapter typed by its path is stored by its stable link all the same.
    if (const platform::DeviceLookup what = platform::LookUp(devices_, text); what.found != nullptr)
      text = what.found->MappingName();
    static constexpr const char* kEcho[] = {"", ",echo=auto", ",echo=on", ",echo=off"};
    static constexpr const char* kRs485[] = {"", ",rs485", ",rs485=rts-low"};
    text += kEcho[std::max(0, row.echo->currentIndex())];
    if (row.rs485->isEnabled()) text += kRs485[std::max(0, row.rs485->currentIndex())];
    if (row.baud->isEnabled() && !row.baud->text().trimmed().isEmpty())
      text += ",baud=" + row.baud->text().trimmed().toStdString();
    return text;
  }

  void AddRow(QGridLayout& grid, int port) {
    auto* name = new QLabel(Qt8(setup_.port_names[port - 1]), this);
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString("port%1").arg(port));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setPlaceholderText(
        QCoreApplication::translate("PortMappingDialog", "%1（系统默认）").arg(Qt8(DefaultDevice(port))));
    // The opened list shows each device with what it is; the box keeps the device alone.
    auto* view = new QTreeView(combo);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setAllColumnsShowFocus(true);
    combo->setModel(new QStandardItemModel(0, 2, combo));
    combo->setView(view);
    auto* echo = new QComboBox(this);
    echo->setObjectName(QString("echo%1").arg(port));
    echo->addItems({QCoreApplication::translate("PortMappingDialog", "程序默认"),
                    QCoreApplication::translate("PortMappingDialog", "自动识别"),
                    QCoreApplication::translate("PortMappingDialog", "全部回显"),
                    QCoreApplication::translate("PortMappingDialog", "无回显")});
    echo->setToolTip(QCoreApplication::translate("PortMappingDialog",
                                                 "转换器是否收回自己发出的字节。自动识别：丢掉与刚发出的请求"
                                                 "相同的一帧；全部回显：收回并核对发出的每个字节。"));
    auto* rs485 = new QComboBox(this);
    rs485->setObjectName(QString("rs485_%1").arg(port));
    rs485->addItems({QCoreApplication::translate("PortMappingDialog", "关"),
                     QCoreApplication::translate("PortMappingDialog", "发送时 RTS 高"),
                     QCoreApplication::translate("PortMappingDialog", "发送时 RTS 低")});
    rs485->setToolTip(
        QCoreApplication::translate("PortMappingDialog", "Linux 内核的 RS-485 模式：由驱动在发送时切换 RTS"));
    auto* baud = new QLineEdit(this);
    baud->setObjectName(QString("baud%1").arg(port));
    baud->setPlaceholderText("9600");
    baud->setMaximumWidth(80);
    baud->setToolTip(QCoreApplication::translate("PortMappingDialog", "tcp:// 串口服务器固定的线路速率"));
    auto* about = new QLabel(this);
    about->setWordWrap(true);
    name->setBuddy(combo);
    grid.addWidget(name, port, 0);
    grid.addWidget(combo, port, 1);
    grid.addWidget(echo, port, 2);
    grid.addWidget(rs485, port, 3);
    grid.addWidget(baud, port, 4);
    grid.addWidget(about, port, 5);
    rows_.push_back(Row{port, combo, echo, rs485, baud, about});
    connect(combo, &QComboBox::editTextChanged, this, [this, port] { Describe(rows_[port - 1]); });
  }

  static std::string DefaultDevice(int port) { return "/dev/ttyS" + std::to_string(port - 1); }

  void FindDevices() {
    devices_ = setup_.find_devices ? setup_.find_devices() : platform::FoundDevices{};
    for (Row& row : rows_) {
      const QString typed = row.combo->currentText();
      auto* model = static_cast<QStandardItemModel*>(row.combo->model());
      model->removeRows(0, model->rowCount());
      for (const platform::FoundDevice& d : devices_) {
        auto* device = new QStandardItem(Qt8(d.MappingName()));
        device->setToolTip(Qt8(d.path));
        model->appendRow({device, new QStandardItem(Qt8(d.Summary()))});
      }
      auto* view = static_cast<QTreeView*>(row.combo->view());
      view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
      view->setMinimumWidth(view->header()->length() + 24);
      row.combo->setCurrentIndex(-1);
      row.combo->setEditText(typed);
      Describe(row);
    }
  }

  // What the typed or chosen device is, and what the port is this run when the command
  // line has the last word.
  void Describe(Row& row) {
    const std::string device = row.combo->currentText().trimmed().toStdString();
    // The options that fit the device: RS-485 mode on a tty, a fixed speed on a raw TCP server.
    const platform::DeviceKind device_kind = platform::KindOfDevice(device);
    row.rs485->setEnabled(!device.empty() && device_kind == platform::DeviceKind::kTty);
    row.baud->setEnabled(device_kind == platform::DeviceKind::kTcp);
    QString about;
    if (device.empty()) {
      about = QCoreApplication::translate("PortMappingDialog", "系统的第 %1 个串口").arg(row.port);
    } else if (device == platform::kSimulatedDevice) {
      about = QCoreApplication::translate("PortMappingDialog", "内置模拟总线");
    } else if (device_kind == platform::DeviceKind::kTcp || device_kind == platform::DeviceKind::kRfc2217) {
      about = QCoreApplication::translate("PortMappingDialog", "网络串口服务器");
    } else {
      const platform::DeviceLookup what = platform::LookUp(devices_, device);
      if (what.found != nullptr) {
        about = Qt8(what.found->Summary().empty() ? what.found->path : what.found->Summary());
      } else if (!what.target.empty()) {
        about = QCoreApplication::translate("PortMappingDialog", "指向 %1")
                    .arg(Qt8(what.target));  // a pseudo-terminal or a link of the user's own
      } else {
        about = QCoreApplication::translate("PortMappingDialog", "未找到此设备（未插上？）");
      }
    }
    const platform::PortAssignment now = setup_.map->Resolve(row.port);
    if (now.from == platform::PortSource::kOption || now.from == platform::PortSource::kSimulate)
      about += "\n" + QCoreApplication::translate("PortMappingDialog", "本次运行由命令行定为 %1")
                          .arg(Qt8(now.target.ToText()));
    row.about->setText(about);
  }

  void Store() {
    // Every row reads, or nothing is stored: the window stays open, the row that does not
    // read says why where its description was.
    for (const Row& row : rows_) {
      const std::string text = TargetText(row);
      const platform::PortTargetParse parsed = platform::ParsePortTarget(text);
      if (text.empty() || parsed.target) continue;
      row.about->setText(
          QCoreApplication::translate("PortMappingDialog", "无法使用：%1").arg(Qt8(parsed.error)));
      row.combo->setFocus();
      return;
    }
    std::vector<int> remapped;
    for (const Row& row : rows_) {
      const std::string device = TargetText(row);
      if (device == setup_.map->Stored(row.port)) continue;
      const std::string before = setup_.map->Resolve(row.port).target.ToText();
      if (!setup_.map->Store(row.port, device)) {
        QMessageBox::warning(
            this, windowTitle(),
            QCoreApplication::translate("PortMappingDialog", "无法保存串口映射：设置文件不能写入。"));
        return;  // the window stays open with what the user chose
      }
      if (setup_.map->Resolve(row.port).target.ToText() != before) remapped.push_back(row.port);
    }
    accept();
    if (!remapped.empty() && setup_.on_remapped) setup_.on_remapped(remapped);
  }

  PortMappingSetup setup_;
  std::vector<Row> rows_;
  platform::FoundDevices devices_;
};

}  // namespace

ToolItem PortMappingTool(PortMappingSetup setup) {
  auto shared = std::make_shared<PortMappingSetup>(std::move(setup));
  auto dialog = std::make_shared<QPointer<PortMappingDialog>>();
  return ToolItem{
      .name = "portMapping",
      .caption = QT_TRANSLATE_NOOP("gui::ToolMenu", "串口映射(&M)..."),
      .open =
          [shared, dialog](QWidget& main_window) {
            if (dialog->isNull()) {
              *dialog = new PortMappingDialog(main_window, *shared);
              PlaceBeside(**dialog, main_window);
            }
            (*dialog)->Reload();
            (*dialog)->show();
            (*dialog)->raise();
            (*dialog)->activateWindow();
          },
  };
}

}  // namespace gui
