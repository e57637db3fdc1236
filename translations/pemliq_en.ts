<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>PortMappingDialog</name>
    <message>
        <source>串口映射</source>
        <translation>Port mapping</translation>
    </message>
    <message>
        <source>为每个端口号选择设备，或直接输入设备路径。USB 转换器以 /dev/serial/by-id/ 下的名字保存：换一个 USB 口或重新插拔后，端口号不变。留空则用系统的串口。</source>
        <translation>Choose a device for each port number, or type a device path. USB converters are saved under their /dev/serial/by-id/ name, so the port number stays the same after moving or replugging the converter. Leave empty to use the system&apos;s serial port.</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>刷新设备</source>
        <translation>Refresh devices</translation>
    </message>
    <message>
        <source>%1（系统默认）</source>
        <translation>%1 (system default)</translation>
    </message>
    <message>
        <source>系统的第 %1 个串口</source>
        <translation>System serial port no. %1</translation>
    </message>
    <message>
        <source>内置模拟总线</source>
        <translation>Built-in simulated bus</translation>
    </message>
    <message>
        <source>指向 %1</source>
        <translation>Points to %1</translation>
    </message>
    <message>
        <source>未找到此设备（未插上？）</source>
        <translation>Device not found (not plugged in?)</translation>
    </message>
    <message>
        <source>本次运行由命令行定为 %1</source>
        <translation>Set to %1 by the command line for this run</translation>
    </message>
    <message>
        <source>无法保存串口映射：设置文件不能写入。</source>
        <translation>Cannot save the port mapping: the settings file is not writable.</translation>
    </message>
    <message>
        <source>回显</source>
        <translation>Echo</translation>
    </message>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>程序默认</source>
        <translation>Program default</translation>
    </message>
    <message>
        <source>自动识别</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>全部回显</source>
        <translation>Every byte</translation>
    </message>
    <message>
        <source>无回显</source>
        <translation>None</translation>
    </message>
    <message>
        <source>转换器是否收回自己发出的字节。自动识别：丢掉与刚发出的请求相同的一帧；全部回显：收回并核对发出的每个字节。</source>
        <translation>Whether the adapter hears back what it sends. Auto: drop a received frame equal to the request just sent. Every byte: take back and check each byte sent.</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>发送时 RTS 高</source>
        <translation>RTS high while sending</translation>
    </message>
    <message>
        <source>发送时 RTS 低</source>
        <translation>RTS low while sending</translation>
    </message>
    <message>
        <source>Linux 内核的 RS-485 模式：由驱动在发送时切换 RTS</source>
        <translation>Linux kernel RS-485 mode: the driver switches RTS while sending</translation>
    </message>
    <message>
        <source>tcp:// 串口服务器固定的线路速率</source>
        <translation>The fixed line speed of a tcp:// serial server</translation>
    </message>
    <message>
        <source>网络串口服务器</source>
        <translation>Network serial server</translation>
    </message>
    <message>
        <source>无法使用：%1</source>
        <translation>Cannot be used: %1</translation>
    </message>
</context>
<context>
    <name>TrafficMonitor</name>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>通讯监视器</source>
        <translation>Traffic monitor</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>%1 条记录</source>
        <translation>%1 records</translation>
    </message>
    <message>
        <source>保存通讯记录</source>
        <translation>Save traffic</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;JSON Lines (*.jsonl)</source>
        <translation>Text files (*.txt);;JSON Lines (*.jsonl)</translation>
    </message>
    <message>
        <source>无法写入文件 %1</source>
        <translation>Cannot write file %1</translation>
    </message>
    <message>
        <source>打开端口 COM%1（%2），%3</source>
        <translation>Open port COM%1 (%2), %3</translation>
    </message>
    <message>
        <source>关闭端口 COM%1</source>
        <translation>Close port COM%1</translation>
    </message>
    <message>
        <source>通讯参数 %1</source>
        <translation>Line settings %1</translation>
    </message>
    <message>
        <source>清空接收缓冲区</source>
        <translation>Clear receive buffer</translation>
    </message>
    <message>
        <source>清空发送缓冲区</source>
        <translation>Clear send buffer</translation>
    </message>
    <message>
        <source>端口错误：%1</source>
        <translation>Port error: %1</translation>
    </message>
    <message>
        <source>结果 %1</source>
        <translation>Result %1</translation>
    </message>
    <message>
        <source>校验通过</source>
        <translation>Check passed</translation>
    </message>
    <message>
        <source>校验失败：%1</source>
        <translation>Check failed: %1</translation>
    </message>
    <message>
        <source>地址 %1 命令 %2：%3，往返 %4 ms</source>
        <translation>Address %1 command %2: %3, round trip %4 ms</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>串行数据传输测试 2.0</source>
        <translation>Serial Data Transfer Test 2.0</translation>
    </message>
    <message>
        <source>端口设定</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>端口号</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>空</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>握手协议</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>通用模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>试验模式</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>校验方式</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>异或校验</source>
        <translation>XOR</translation>
    </message>
    <message>
        <source>加和校验</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>超时设定</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>最大超时</source>
        <translation>Max. time-out</translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>数据收发</source>
        <translation>Send and receive</translation>
    </message>
    <message>
        <source>发送字符串：</source>
        <translation>Send text:</translation>
    </message>
    <message>
        <source>接收字符串：</source>
        <translation>Reply text:</translation>
    </message>
    <message>
        <source>发送缓冲：</source>
        <translation>Sent frame:</translation>
    </message>
    <message>
        <source>接收缓冲：</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>错误%1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>错误信息</source>
        <translation>Error message</translation>
    </message>
    <message>
        <source>此端口已经打开，请更换一个可用端口</source>
        <translation>This port is already open. Please choose a free port.</translation>
    </message>
    <message>
        <source>通讯中断，请检查线路或变送器是否正常工作。%1<byte value="xd"/>%2</source>
        <translation>Communication broke off. Please check the line and whether the transmitter works. %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>没有收到字符串或缺少结束符！</source>
        <translation>Nothing received, or the terminator is missing!</translation>
    </message>
    <message>
        <source>没有起始符!</source>
        <translation>No start character!</translation>
    </message>
    <message>
        <source>校验错误！</source>
        <translation>Checksum error!</translation>
    </message>
    <message>
        <source>溢出错误！</source>
        <translation>Overflow error!</translation>
    </message>
    <message>
        <source>最大超时不能为空！</source>
        <translation>The maximum time-out must not be empty!</translation>
    </message>
    <message>
        <source>最大超时必须是整数！</source>
        <translation>The maximum time-out must be a whole number!</translation>
    </message>
    <message>
        <source>端口不存在：%1。请检查串口设备是否已连接。</source>
        <translation>Port does not exist: %1. Check that the serial device is connected.</translation>
    </message>
    <message>
        <source>没有使用端口的权限：%1。请把当前用户加入 dialout 组（sudo adduser $USER dialout），然后重新登录。</source>
        <translation>No permission to use the port: %1. Add the current user to the dialout group (sudo adduser $USER dialout), then log in again.</translation>
    </message>
    <message>
        <source>端口已被其他程序占用：%1。请关闭占用它的程序，或选择其他端口。</source>
        <translation>Port is in use by another program: %1. Close that program or choose another port.</translation>
    </message>
    <message>
        <source>无法打开端口：%1</source>
        <translation>Cannot open port: %1</translation>
    </message>
    <message>
        <source>无法打开端口：%1（系统错误 %2）</source>
        <translation>Cannot open port: %1 (system error %2)</translation>
    </message>
    <message>
        <source>端口 %1 不支持%2，请选择其他设置。</source>
        <translation>Port %1 does not support %2; choose other settings.</translation>
    </message>
    <message>
        <source>写入端口失败：%1。设备可能已拔出，或已被关闭。</source>
        <translation>Writing to the port failed: %1. The device may be unplugged or closed.</translation>
    </message>
    <message>
        <source>读取端口失败：%1。设备可能已拔出，或已被关闭。</source>
        <translation>Reading from the port failed: %1. The device may be unplugged or closed.</translation>
    </message>
    <message>
        <source>端口未打开</source>
        <translation>Port not open</translation>
    </message>
    <message>
        <source>端口已经打开</source>
        <translation>Port already open</translation>
    </message>
    <message>
        <source>端口号无效：%1</source>
        <translation>Invalid port number: %1</translation>
    </message>
    <message>
        <source>线路设置无效：“%1”</source>
        <translation>Invalid line settings: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>握手方式无效：%1</source>
        <translation>Invalid handshaking: %1</translation>
    </message>
    <message>
        <source>数据位 %1</source>
        <translation>data bits %1</translation>
    </message>
    <message>
        <source>停止位 1.5</source>
        <translation>stop bits 1.5</translation>
    </message>
    <message>
        <source>线路设置 %1</source>
        <translation>line settings %1</translation>
    </message>
    <message>
        <source>端口映射“%1”无法使用：%2</source>
        <translation>The port mapping “%1” cannot be used: %2</translation>
    </message>
    <message>
        <source>此版本不能连接网络端口：%1</source>
        <translation>This build cannot connect to network ports: %1</translation>
    </message>
    <message>
        <source>端口 %1 不能切换到 RS-485 模式：%2。请去掉 rs485 选项，或换用支持它的串口。</source>
        <translation>Port %1 cannot be put into RS-485 mode: %2. Remove the rs485 option, or use a serial port that has it.</translation>
    </message>
    <message>
        <source>它的驱动没有这种模式（USB 转换器、伪终端）</source>
        <translation>its driver has no such mode (a USB adapter, a pseudo-terminal)</translation>
    </message>
    <message>
        <source>系统错误 %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>总线冲突：%1 收回的回显与发出的不同（发出“%2”）。</source>
        <translation>Collision on the bus: the echo %1 heard back differs from what was sent (sent “%2”).</translation>
    </message>
    <message>
        <source>回显不完整：%1 只收回了发出的“%2”的一部分。</source>
        <translation>Incomplete echo: %1 heard back only part of the “%2” it sent.</translation>
    </message>
    <message>
        <source>无法连接到串口服务器 %1（%2）。请检查地址、端口号和网络。</source>
        <translation>Cannot connect to the serial device server %1 (%2). Please check the address, the port number and the network.</translation>
    </message>
    <message>
        <source>与串口服务器 %1 的连接已断开。请检查网络和服务器，然后重新打开端口。</source>
        <translation>The connection to the serial device server %1 was lost. Please check the network and the server, then open the port again.</translation>
    </message>
</context>
<context>
    <name>gui::LanguageMenu</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>界面语言：</source>
        <translation>Window language:</translation>
    </message>
    <message>
        <source>无法保存语言设置。</source>
        <translation>The language choice could not be saved.</translation>
    </message>
    <message>
        <source>界面语言将在下次启动时生效。</source>
        <translation>The window shows the chosen language from its next start.</translation>
    </message>
</context>
<context>
    <name>gui::ToolMenu</name>
    <message>
        <source>语言(&amp;L)...</source>
        <translation>&amp;Language...</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>串口映射(&amp;M)...</source>
        <translation>Port &amp;mapping...</translation>
    </message>
    <message>
        <source>通讯监视器(&amp;R)</source>
        <translation>T&amp;raffic monitor</translation>
    </message>
</context>
</TS>
