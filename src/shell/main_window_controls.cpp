// Dravon's control table. The arrangement: frame_INFO across the top; frame_ADBD below
// it with frame_DISP under that on the left and frame_CVALUE in the middle; chkSame and
// the three data-area buttons in rows above the bottom frames frame_IOUT and
// Frame_Command; the search, refresh and quit buttons, the access-code box and the two
// counters in a column at the right edge.

#include "platform/ui/control_rows.h"
#include "shell/main_window.h"

namespace shell {

namespace {

using ui::Alignment;
using ui::ControlDesign;
using ui::ControlKind;
using ui::LayoutHint;
using ui::rows::At;
using ui::rows::Frame;
using ui::rows::Label;

ControlDesign Button(std::string name, std::string parent, std::string caption, LayoutHint at) {
  return {.kind = ControlKind::kButton,
          .name = std::move(name),
          .parent = std::move(parent),
          .text = std::move(caption),
          .layout = at};
}

ControlDesign Box(std::string name, std::string parent, std::string text, LayoutHint at,
                  Alignment alignment = Alignment::kLeft, bool read_only = false, std::string tip = "") {
  return {.kind = ControlKind::kTextBox,
          .name = std::move(name),
          .parent = std::move(parent),
          .text = std::move(text),
          .tool_tip = std::move(tip),
          .alignment = alignment,
          .read_only = read_only,
          .layout = at};
}

// The information area only shows what a read put there.
ControlDesign InfoBox(std::string name, std::string text, LayoutHint at) {
  return Box(std::move(name), "frame_INFO", std::move(text), at, Alignment::kCentre, true);
}

// A live value: read-only, right-aligned, in the highlight colour so that it stands out.
ControlDesign Reading(std::string name, std::string text, LayoutHint at, std::string tip) {
  ControlDesign box =
      Box(std::move(name), "frame_CVALUE", std::move(text), at, Alignment::kRight, true, std::move(tip));
  box.highlighted = true;
  return box;
}

ControlDesign List(std::string name, std::string parent, std::vector<std::string> items, LayoutHint at,
                   std::string tip = "") {
  std::vector<int> data(items.size());
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<int>(i);
  return {.kind = ControlKind::kList,
          .name = std::move(name),
          .parent = std::move(parent),
          .tool_tip = std::move(tip),
          .items = std::move(items),
          .item_data = std::move(data),
          .layout = at};
}

// A trim bar: up is more, one step per arrow click.
ControlDesign TrimBar(std::string name, int large_step, LayoutHint at) {
  return {.kind = ControlKind::kScrollBar,
          .name = std::move(name),
          .parent = "frame_IOUT",
          .value = 0,
          .min = 5000,
          .max = -5000,
          .small_change = 1,
          .large_change = large_step,
          .layout = at};
}

void AddInformationFrame(ui::Window& w) {
  w.Add(Frame("frame_INFO", "变送器基本信息", At(0, 0, 1, 5)));
  ControlDesign ports =
      List("cmbCommPort", "frame_INFO", {"com1", "com2", "com3", "com4", "com5", "com6"}, At(0, 1));
  ports.item_data = {1, 2, 3, 4, 5, 6};
  w.Add(Label("Label18", "frame_INFO", "串口:", At(0, 0)));
  w.Add(ports);
  w.Add(Label("Label16", "frame_INFO", "型号:", At(0, 2)));
  w.Add(InfoBox("TXT_TYPE", "TYPE", At(0, 3)));
  w.Add(Label("LBL_DPH", "frame_INFO", "量    程:", At(0, 4)));
  w.Add(InfoBox("TXT_SCZ", "SCZ", At(0, 5)));
  w.Add(Label("Label15", "frame_INFO", "～", At(0, 6)));
  w.Add(InfoBox("TXT_SCF", "SCF", At(0, 7)));
  w.Add(InfoBox("TXT_FUNIT", "UNIT", At(0, 8)));

  w.Add(Label("LBL_ADDR", "frame_INFO", "地址:", At(1, 0)));
  w.Add(List("CMB_ADDR", "frame_INFO", {}, At(1, 1), "在线变送器地址列表"));
  w.Add(Label("Label14", "frame_INFO", "波特率:", At(1, 2)));
  w.Add(InfoBox("TXT_BAND", "TXT_BAND", At(1, 3)));
  w.Add(Label("LBL_VR", "frame_INFO", "软件版本:", At(1, 4)));
  w.Add(InfoBox("TXT_VER", "VER", At(1, 5)));
  w.Add(Label("LBL_ID", "frame_INFO", "序列号:", At(1, 6)));
  w.Add(InfoBox("TXT_ID", "ID", At(1, 7, 1, 2)));
}

void AddBasicSettingsFrame(ui::Window& w) {
  w.Add(Frame("frame_ADBD", "基本信息设置", At(1, 0, 1, 3)));
  w.Add(Label("Label7", "frame_ADBD", "地址:", At(0, 0)));
  w.Add(Box("TXT_ADDR", "frame_ADBD", "ADDR", At(0, 1), Alignment::kCentre, false, "输入地址"));
  w.Add(Label("Label8", "frame_ADBD", "波特率:", At(0, 2)));
  w.Add(List("CMB_BAND", "frame_ADBD", {"1200", "2400", "4800", "9600"}, At(0, 3), "选择波特率"));
  w.Add(Button("COM_ADDR", "frame_ADBD", "修改", At(0, 4)));
  w.Add(Label("Label22", "frame_ADBD", "型号:", At(1, 0)));
  w.Add(Box("txtType", "frame_ADBD", "86000000", At(1, 1)));
  w.Add(Label("Label11", "frame_ADBD", "ID号:", At(1, 2)));
  w.Add(Box("txtID", "frame_ADBD", "08000000", At(1, 3)));
}

void AddRangeFrame(ui::Window& w) {
  w.Add(Frame("frame_DISP", "数字信号设置", At(2, 0, 1, 3)));
  w.Add(Label("Label21", "frame_DISP", "单    位:", At(0, 0)));
  w.Add(List(
      "cmbUnit", "frame_DISP",
      {"kPa", "Mpa", "mH2O", "Bar", "psi", "mBar", "kgf/cm2", "mmHg", "atm", "Pa", "inH2O", "inHg", "User"},
      At(0, 1)));
  w.Add(Label("Label12", "frame_DISP", "小数位数:", At(0, 2)));
  w.Add(List("Cmb_DP", "frame_DISP", {"0000.", "000.0", "00.00", "0.000", ".0000"}, At(0, 3)));
  w.Add(Label("Label9", "frame_DISP", "量程零点:", At(1, 0)));
  w.Add(Box("TXT_DPL", "frame_DISP", "TXT_DPL", At(1, 1), Alignment::kRight));
  w.Add(Label("Label10", "frame_DISP", "量程满度:", At(1, 2)));
  w.Add(Box("TXT_DPH", "frame_DISP", "TXT_DPH", At(1, 3), Alignment::kRight));
  w.Add(Button("cmdSCALE_Read", "frame_DISP", "读", At(0, 4)));
  w.Add(Button("cmdSCALE_Write", "frame_DISP", "写", At(1, 4)));
}

void AddMeasurementFrame(ui::Window& w) {
  w.Add(Frame("frame_CVALUE", "当前测量值", At(1, 3, 2, 2)));
  w.Add(Label("Label5", "frame_CVALUE", "压力:", At(0, 0)));
  w.Add(Reading("TXT_PRESSURE", "PRESSURE", At(0, 1), "当前压力值"));
  w.Add(Label("Label3", "frame_CVALUE", "单位", At(0, 2)));
  w.Add(Label("lblTEMP", "frame_CVALUE", "温度:", At(1, 0)));
  w.Add(Reading("TXT_TEMPERATURE", "TEMPERATURE", At(1, 1), "当前温度值"));
  w.Add(Label("Label4", "frame_CVALUE", "℃", At(1, 2)));
  ControlDesign min_label = Label("lblMIN", "frame_CVALUE", "最小值:", At(2, 0));
  min_label.visible = false;
  w.Add(min_label);
  ControlDesign min_box = Box("txtMIN", "frame_CVALUE", "+999.9", At(2, 1), Alignment::kRight);
  min_box.visible = false;
  w.Add(min_box);
  ControlDesign max_label = Label("lblMAX", "frame_CVALUE", "最大值;", At(3, 0));
  max_label.visible = false;
  w.Add(max_label);
  ControlDesign max_box = Box("txtMAX", "frame_CVALUE", "-999.9", At(3, 1), Alignment::kRight);
  max_box.visible = false;
  w.Add(max_box);
  w.Add(Button("cmdON_OFF", "frame_CVALUE", "采集", At(0, 3)));
  w.Add(Button("COM_SC", "frame_CVALUE", "归零", At(1, 3)));
  ControlDesign reset = Button("cmdReset", "frame_CVALUE", "复位", At(2, 3));
  reset.visible = false;
  w.Add(reset);
}

void AddOutputFrame(ui::Window& w) {
  w.Add(Frame("frame_IOUT", "模拟输出设置", At(5, 0, 1, 3)));
  w.Add(Label("Label1", "frame_IOUT", "4mA 输出:", At(0, 0)));
  w.Add(Box("TXT_DAL", "frame_IOUT", "DAL", At(0, 1), Alignment::kRight, false, "4mA输出时对应的压力值"));
  w.Add(Label("Label2", "frame_IOUT", "20mA输出:", At(1, 0)));
  w.Add(Box("TXT_DAH", "frame_IOUT", "DAH", At(1, 1), Alignment::kRight, false, "20mA输出时对应的压力值"));
  w.Add(Label("Label30", "frame_IOUT", "4mA 微调:", At(0, 3)));
  w.Add(Box("TXT_DAZF", "frame_IOUT", "DAZF", At(0, 4), Alignment::kRight, true));
  w.Add(TrimBar("VScroll1", 1, At(0, 5)));
  w.Add(Label("Label31", "frame_IOUT", "20mA微调:", At(1, 3)));
  w.Add(Box("TXT_DAFF", "frame_IOUT", "DAFF", At(1, 4), Alignment::kRight, true));
  w.Add(TrimBar("VScroll2", 5, At(1, 5)));
  w.Add(Button("cmdDA_Read", "frame_IOUT", "读", At(0, 6)));
  w.Add(Button("cmdDA_Write", "frame_IOUT", "写", At(1, 6)));
}

void AddCommandFrame(ui::Window& w) {
  w.Add(Frame("Frame_Command", "指令操作", At(5, 3, 1, 2)));
  w.Add(Label("lblIns1", "Frame_Command", "指令:", At(0, 0)));
  w.Add(Box("txtInsSend", "Frame_Command", "RP0", At(0, 1)));
  w.Add(Button("Cmd_INS", "Frame_Command", "发送", At(0, 2)));
  w.Add(Label("lblIns2", "Frame_Command", "返回:", At(1, 0)));
  w.Add(Box("txtReturn", "Frame_Command", "", At(1, 1, 1, 2), Alignment::kLeft, false,
            "返回值已经去除了两位校验码"));
}

void AddWindowLevelControls(ui::Window& w) {
  ControlDesign same{.kind = ControlKind::kCheckBox,
                     .name = "chkSame",
                     .text = "在线变送器基本信息设置相同",
                     .visible = false,
                     .layout = At(3, 0, 1, 5)};
  w.Add(same);
  w.Add(Button("CMD_USER", "", "保存修改数据", At(4, 0)));
  ControlDesign fact = Button("CMD_FACT", "", "写入工厂数据区", At(4, 1));
  fact.visible = false;
  fact.enabled = false;
  w.Add(fact);
  w.Add(Button("CMD_LD", "", "恢复工厂设定", At(4, 2)));

  w.Add(Button("cmdSEARCH", "", "搜索变送器", At(0, 5)));
  w.Add(Button("cmdReFresh", "", "刷  新", At(1, 5)));
  w.Add(Button("COM_QUIT", "", "退  出", At(2, 5)));
  w.Add(Box("txtPass", "", "", At(3, 5)));
  ControlDesign pressure_failures = Label("Label19", "", "0", At(4, 5));
  pressure_failures.tool_tip = "压力采集失败次数";
  w.Add(pressure_failures);
  ControlDesign temperature_failures = Label("Label20", "", "0", At(5, 5));
  temperature_failures.tool_tip = "温度采集失败次数";
  w.Add(temperature_failures);
  // Two trim buttons that were never wired up: kept hidden, without handlers.
  ControlDesign inc = Button("cmdINCZF", "", "▲", At(6, 0));
  inc.visible = false;
  w.Add(inc);
  ControlDesign dec = Button("cmdDECZF", "", "▼", At(6, 1));
  dec.visible = false;
  w.Add(dec);

  w.Add({.kind = ControlKind::kTimer, .name = "Timer1", .enabled = false, .interval = 300});
  w.Add({.kind = ControlKind::kStatusBar, .name = "StatusBar1", .layout = At(7, 0, 1, 6)});
  w.set_tool_bar("Toolbar1");  // empty, never changed
  w.Add({.kind = ControlKind::kMenu, .name = "Option", .text = "选项(&O)"});
  // A settings file configures a batch of transmitters one after another.
  w.Add({.kind = ControlKind::kMenuItem,
         .name = "mnuSaveProfile",
         .parent = "Option",
         .text = "保存参数文件(&S)..."});
  w.Add({.kind = ControlKind::kMenuItem,
         .name = "mnuApplyProfile",
         .parent = "Option",
         .text = "应用参数文件(&A)..."});
  // Every found transmitter polled in turn, on a timer of its own.
  w.Add({.kind = ControlKind::kMenuItem,
         .name = "mnuPollAll",
         .parent = "Option",
         .text = "巡检全部变送器(&B)"});
  w.Add({.kind = ControlKind::kTimer, .name = "tmrPollAll", .enabled = false, .interval = 1});
  // A batch of new transmitters numbered, configured and recorded one after another.
  w.Add(
      {.kind = ControlKind::kMenuItem, .name = "mnuStation", .parent = "Option", .text = "生产工位(&P)..."});
  // The selected transmitter checked against a reference, for a certificate.
  w.Add({.kind = ControlKind::kMenuItem, .name = "mnuCheck", .parent = "Option", .text = "校准检查(&K)..."});
  w.Add({.kind = ControlKind::kMenuItem, .name = "space1", .parent = "Option", .text = "-"});
  w.Add({.kind = ControlKind::kMenuItem, .name = "Exit", .parent = "Option", .text = "退出(&X)"});
}

}  // namespace

void AddMainWindowControls(ui::Window& w) {
  AddInformationFrame(w);
  AddBasicSettingsFrame(w);
  AddRangeFrame(w);
  AddMeasurementFrame(w);
  AddOutputFrame(w);
  AddCommandFrame(w);
  AddWindowLevelControls(w);
}

}  // namespace shell
