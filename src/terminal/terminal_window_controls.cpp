// Form1's control table. The arrangement: "端口设定" at the top left; "工作模式" and, to its
// right, "校验方式" at the top right, with "超时设定" below both; "数据收发" across the
// bottom, holding the send row (Txt_send, Txt_sendall, Cmd_send) over the receive row
// (Txt_receive, Txt_receiveall, Cmd_receive), with Label2 at the left end and Label4
// between the first and second column.
//
// A row of "端口设定" has one label carrying the captions of both its lists, and Label5
// carries the words before and after Txt_delay: such a label spans its whole row, its
// captions spaced apart by blanks, with the controls it names laid over the gaps.

#include <string>
#include <vector>

#include "platform/ui/control_rows.h"
#include "terminal/terminal_window.h"

namespace terminal {

namespace {

using ui::ControlDesign;
using ui::ControlKind;
using ui::LayoutHint;
using ui::rows::At;
using ui::rows::Frame;
using ui::rows::Label;

// Two captions of one label, the first before the first control laid over it, the second
// before the next.
std::string SpacedCaptions(const std::string& first, const std::string& second) {
  return first + "            " + second;
}

// The user may pick an entry or type any text.
ControlDesign EditableList(std::string name, std::vector<std::string> items, LayoutHint at) {
  return {.kind = ControlKind::kList,
          .name = std::move(name),
          .parent = "frm_comconfig",
          .editable = true,
          .items = std::move(items),
          .layout = at};
}

ControlDesign Option(std::string name, int index, std::string parent, std::string caption, bool selected,
                     LayoutHint at) {
  return {.kind = ControlKind::kOption,
          .name = std::move(name),
          .index = index,
          .parent = std::move(parent),
          .text = std::move(caption),
          .value = selected ? 1 : 0,
          .layout = at};
}

ControlDesign TransferBox(std::string name, std::string text, LayoutHint at) {
  return {.kind = ControlKind::kTextBox,
          .name = std::move(name),
          .parent = "frm_comtrans",
          .text = std::move(text),
          .layout = at};
}

ControlDesign Button(std::string name, std::string caption, bool enabled, LayoutHint at) {
  return {.kind = ControlKind::kButton,
          .name = std::move(name),
          .parent = "frm_comtrans",
          .text = std::move(caption),
          .enabled = enabled,
          .layout = at};
}

void AddPortSettings(ui::Window& w) {
  w.Add(Frame("frm_comconfig", "端口设定", At(0, 0, 2, 1)));
  w.Add(Label("Label3", "frm_comconfig", SpacedCaptions("端口号", "数据位"), At(0, 0, 1, 4)));
  w.Add(EditableList("Cbo_com", {"Com1", "Com2", "Com3", "Com4"}, At(0, 1)));
  w.Add(EditableList("Cbo_databit", {"4", "5", "6", "7", "8"}, At(0, 3)));
  w.Add(Label("Label1", "frm_comconfig", SpacedCaptions("波特率", "校验位"), At(1, 0, 1, 4)));
  w.Add(EditableList("Cbo_bound", {}, At(1, 1)));  // its ten rates are added at start-up
  w.Add(EditableList("Cbo_paritybit", {"偶校验", "奇校验", "无", "标记", "空"}, At(1, 3)));
  w.Add(Label("Label6", "frm_comconfig", SpacedCaptions("握手协议", "停止位"), At(2, 0, 1, 4)));
  w.Add(EditableList("Cbo_shake", {"无", "XOn/XOff", "RTS/CTS"}, At(2, 1)));
  w.Add(EditableList("Cbo_stopbit", {"1", "1.5", "2"}, At(2, 3)));
}

void AddModeAndChecksum(ui::Window& w) {
  w.Add(Frame("Frm_model", "工作模式", At(0, 1)));
  w.Add(Option("Opt_normal", -1, "Frm_model", "通用模式", false, At(0, 0)));
  w.Add(Option("Opt_spacial", -1, "Frm_model", "试验模式", true, At(1, 0)));

  w.Add(Frame("Frame1", "校验方式", At(0, 2)));
  w.Add(Option("optcrc", 1, "Frame1", "异或校验", true, At(0, 0)));
  w.Add(Option("optcrc", 0, "Frame1", "加和校验", false, At(1, 0)));
}

void AddTimeout(ui::Window& w) {
  w.Add(Frame("Frame2", "超时设定", At(1, 1, 1, 2)));
  w.Add(Label("Label5", "Frame2", SpacedCaptions("最大超时", "毫秒"), At(0, 0, 1, 3)));
  w.Add({.kind = ControlKind::kTextBox,
         .name = "Txt_delay",
         .parent = "Frame2",
         .text = "250",
         .max_length = 4,
         .layout = At(0, 1)});
}

void AddTransfer(ui::Window& w) {
  w.Add(Frame("frm_comtrans", "数据收发", At(2, 0, 1, 3)));
  w.Add(Label("Label2", "frm_comtrans", "发送字符串：\n接收字符串：", At(0, 0, 2, 1)));
  w.Add(TransferBox("Txt_send", "$", At(0, 1)));
  w.Add(Label("Label4", "frm_comtrans", "发送缓冲：\n接收缓冲：", At(0, 2, 2, 1)));
  w.Add(TransferBox("Txt_sendall", "", At(0, 3)));
  w.Add(Button("Cmd_send", "发送", true, At(0, 4)));
  w.Add(TransferBox("Txt_receive", "", At(1, 1)));
  w.Add(TransferBox("Txt_receiveall", "", At(1, 3)));
  w.Add(Button("Cmd_receive", "接收", false, At(1, 4)));  // normal mode only
}

}  // namespace

void AddTerminalControls(ui::Window& window) {
  AddPortSettings(window);
  AddModeAndChecksum(window);
  AddTimeout(window);
  AddTransfer(window);
}

}  // namespace terminal
