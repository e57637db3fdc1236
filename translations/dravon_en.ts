<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CheckView</name>
    <message>
        <source>采用参考值</source>
        <translation>Take the reference</translation>
    </message>
    <message>
        <source>停止检定</source>
        <translation>Stop the check</translation>
    </message>
    <message>
        <source>校准检查</source>
        <translation>Calibration check</translation>
    </message>
    <message>
        <source>点 (%)</source>
        <translation>Point (%)</translation>
    </message>
    <message>
        <source>标称</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>误差 (% 量程)</source>
        <translation>Error (% span)</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>参考压力</source>
        <translation>Reference pressure</translation>
    </message>
    <message>
        <source>参考值:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>  —  请输入参考值（读数稳定在 %1 %2）</source>
        <translation>  —  type the reference (the reading settled at %1 %2)</translation>
    </message>
    <message>
        <source>没有正在进行的检定</source>
        <translation>No check running</translation>
    </message>
    <message>
        <source>第 %1/%2 点：标称 %3 %4</source>
        <translation>Point %1/%2: nominal %3 %4</translation>
    </message>
    <message>
        <source>读数 %1   参考 %2  %3</source>
        <translation>Reading %1   reference %2  %3</translation>
    </message>
    <message>
        <source>稳定</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>未稳定 (%1)</source>
        <translation>Settling (%1)</translation>
    </message>
</context>
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
        <translation>Baud</translation>
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
    <name>ReadingChart</name>
    <message>
        <source>压力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>测量曲线</source>
        <translation>Measurement chart</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>温度 (℃)</source>
        <translation>Temperature (℃)</translation>
    </message>
    <message>
        <source>还没有测量值：选择变送器，按“采集”开始采集后，压力和温度曲线显示在这里。</source>
        <translation>No readings yet: select a transmitter and press “Poll”; the pressure and temperature curves appear here.</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>最近 %1 分钟</source>
        <translation>Last %1 min</translation>
    </message>
    <message>
        <source>保存数据(CSV)...</source>
        <translation>Save data (CSV)...</translation>
    </message>
    <message>
        <source>保存图片(PNG)...</source>
        <translation>Save image (PNG)...</translation>
    </message>
    <message>
        <source>显示范围:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>保存测量数据</source>
        <translation>Save readings</translation>
    </message>
    <message>
        <source>保存曲线图片</source>
        <translation>Save chart image</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>测量数据没有保存：%1</source>
        <translation>Readings not saved: %1</translation>
    </message>
    <message>
        <source>图片没有保存：%1</source>
        <translation>Image not saved: %1</translation>
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
        <source>智能变送器参数设置1.35                 2008.4</source>
        <translation>Smart Transmitter Setup 1.35                 2008.4</translation>
    </message>
    <message>
        <source>变送器基本信息</source>
        <translation>Transmitter information</translation>
    </message>
    <message>
        <source>串口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>量    程:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>在线变送器地址列表</source>
        <translation>Addresses of the transmitters online</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>软件版本:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>序列号:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>基本信息设置</source>
        <translation>Address and baud rate</translation>
    </message>
    <message>
        <source>输入地址</source>
        <translation>Type the new address</translation>
    </message>
    <message>
        <source>选择波特率</source>
        <translation>Choose the new baud rate</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>ID号:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>数字信号设置</source>
        <translation>Digital signal settings</translation>
    </message>
    <message>
        <source>单    位:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>小数位数:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>量程零点:</source>
        <translation>Range zero:</translation>
    </message>
    <message>
        <source>量程满度:</source>
        <translation>Full scale:</translation>
    </message>
    <message>
        <source>读</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>当前测量值</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>压力:</source>
        <translation>Press.:</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Current pressure</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>温度:</source>
        <translation>Temp.:</translation>
    </message>
    <message>
        <source>当前温度值</source>
        <translation>Current temperature</translation>
    </message>
    <message>
        <source>最小值:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>最大值;</source>
        <translation>Max.:</translation>
    </message>
    <message>
        <source>采集</source>
        <translation>Poll</translation>
    </message>
    <message>
        <source>归零</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>模拟输出设置</source>
        <translation>Analog output settings</translation>
    </message>
    <message>
        <source>4mA 输出:</source>
        <translation>4 mA output:</translation>
    </message>
    <message>
        <source>4mA输出时对应的压力值</source>
        <translation>Pressure at 4 mA output</translation>
    </message>
    <message>
        <source>20mA输出:</source>
        <translation>20 mA output:</translation>
    </message>
    <message>
        <source>20mA输出时对应的压力值</source>
        <translation>Pressure at 20 mA output</translation>
    </message>
    <message>
        <source>4mA 微调:</source>
        <translation>4 mA trim:</translation>
    </message>
    <message>
        <source>20mA微调:</source>
        <translation>20 mA trim:</translation>
    </message>
    <message>
        <source>指令操作</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>指令:</source>
        <translation>Command:</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>返回:</source>
        <translation>Reply:</translation>
    </message>
    <message>
        <source>返回值已经去除了两位校验码</source>
        <translation>The reply without its two checksum digits</translation>
    </message>
    <message>
        <source>在线变送器基本信息设置相同</source>
        <translation>Give every transmitter online the same settings</translation>
    </message>
    <message>
        <source>保存修改数据</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>写入工厂数据区</source>
        <translation>Write factory data</translation>
    </message>
    <message>
        <source>恢复工厂设定</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>搜索变送器</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>刷  新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>选项(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>按“搜索变送器”键，开始搜索在线变送器！</source>
        <translation>Press “Search” to look for the transmitters online!</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>正在搜索变送器：%1</source>
        <translation>Searching address %1</translation>
    </message>
    <message>
        <source>正在搜索变送器：%1（搜索时不能关闭窗口，请先停止搜索）</source>
        <translation>Searching address %1 (the window cannot close during a search: stop the search first)</translation>
    </message>
    <message>
        <source>在线变送器 %1个</source>
        <translation>Online: %1</translation>
    </message>
    <message>
        <source>在线变送器0个</source>
        <translation>Online: 0</translation>
    </message>
    <message>
        <source>串口:COM%1</source>
        <translation>Port: COM%1</translation>
    </message>
    <message>
        <source>波特率:%1</source>
        <translation>Baud rate: %1</translation>
    </message>
    <message>
        <source>变送器搜索完毕</source>
        <translation>Search finished</translation>
    </message>
    <message>
        <source>读取失败 %1 项</source>
        <translation>%1 reads failed</translation>
    </message>
    <message>
        <source>参数读取完毕</source>
        <translation>All parameters read</translation>
    </message>
    <message>
        <source>端口未选择或未打开！</source>
        <translation>No port chosen, or the port is not open!</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>地址 %1 已经存在,按“OK”键返回！</source>
        <translation>Address %1 is already taken. Press “OK” to go back!</translation>
    </message>
    <message>
        <source>地址设置参数错误，请重新输入！</source>
        <translation>The address must be a number from 1 to 99. Please enter it again!</translation>
    </message>
    <message>
        <source>写入用户数据区</source>
        <translation>Write user data</translation>
    </message>
    <message>
        <source>写入用户数据区完成!</source>
        <translation>User data written!</translation>
    </message>
    <message>
        <source>写入用户数据区出错</source>
        <translation>Writing the user data failed</translation>
    </message>
    <message>
        <source>写入工厂数据区完成!</source>
        <translation>Factory data written!</translation>
    </message>
    <message>
        <source>写入工厂数据区出错</source>
        <translation>Writing the factory data failed</translation>
    </message>
    <message>
        <source>恢复工厂设定完成!</source>
        <translation>Factory settings restored!</translation>
    </message>
    <message>
        <source>恢复工厂设定出错</source>
        <translation>Restoring the factory settings failed</translation>
    </message>
    <message>
        <source>保存参数文件(&amp;S)...</source>
        <translation>&amp;Save settings file...</translation>
    </message>
    <message>
        <source>应用参数文件(&amp;A)...</source>
        <translation>&amp;Apply settings file...</translation>
    </message>
    <message>
        <source>压力采集失败次数</source>
        <translation>Failed pressure polls</translation>
    </message>
    <message>
        <source>温度采集失败次数</source>
        <translation>Failed temperature polls</translation>
    </message>
    <message>
        <source>保存参数文件</source>
        <translation>Save settings file</translation>
    </message>
    <message>
        <source>应用参数文件</source>
        <translation>Apply settings file</translation>
    </message>
    <message>
        <source>选择报告文件</source>
        <translation>Choose report file</translation>
    </message>
    <message>
        <source>参数文件 (*.ini)</source>
        <translation>Settings files (*.ini)</translation>
    </message>
    <message>
        <source>报告文件 (*.csv)</source>
        <translation>Report files (*.csv)</translation>
    </message>
    <message>
        <source>请先搜索并选择一台变送器。</source>
        <translation>Search for and select a transmitter first.</translation>
    </message>
    <message>
        <source>无法读取参数文件：%1</source>
        <translation>Cannot read the settings file: %1</translation>
    </message>
    <message>
        <source>文件太大，不是参数文件（最大 64 KiB）：%1</source>
        <translation>The file is too large to be a settings file (at most 64 KiB): %1</translation>
    </message>
    <message>
        <source>参数文件有误，未写入变送器：
%1
%2</source>
        <translation>The settings file is faulty; nothing was written to the transmitter:
%1
%2</translation>
    </message>
    <message>
        <source>已保存到用户数据区。</source>
        <translation>Stored in the user data area.</translation>
    </message>
    <message>
        <source>已保存到工厂数据区。</source>
        <translation>Stored in the factory data area.</translation>
    </message>
    <message>
        <source>参数文件要求不保存到数据区（Store=none）。</source>
        <translation>Not stored in a data area, as the file asks (Store=none).</translation>
    </message>
    <message>
        <source>参数已写入，读回校验通过。
%1</source>
        <translation>Settings written and verified by read-back.
%1</translation>
    </message>
    <message>
        <source>校验未通过，未保存到数据区。以下参数与文件不符：%1</source>
        <translation>Verification failed; nothing was stored in a data area. These settings differ from the file:%1</translation>
    </message>
    <message>
        <source>%1：期望 %2，实际 %3</source>
        <translation>%1: expected %2, got %3</translation>
    </message>
    <message>
        <source>读取变送器参数失败，未保存：%1</source>
        <translation>Reading the transmitter failed; nothing saved: %1</translation>
    </message>
    <message>
        <source>读取变送器参数失败，未写入变送器：%1</source>
        <translation>Reading the transmitter failed; nothing written to it: %1</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
    <message>
        <source>参数已保存到 %1</source>
        <translation>Settings saved to %1</translation>
    </message>
    <message>
        <source>参数文件要求写入工厂数据区，但工厂数据区的写入未开放：未写入变送器。</source>
        <translation>The file asks to store in the factory data area, but writing it is not enabled: nothing was written to the transmitter.</translation>
    </message>
    <message>
        <source>无法写入报告文件，未写入变送器：%1</source>
        <translation>Cannot write the report file; nothing was written to the transmitter: %1</translation>
    </message>
    <message>
        <source>%1

报告文件写入失败：%2</source>
        <translation>%1

Writing the report file failed: %2</translation>
    </message>
    <message>
        <source>%1 没有读到有效的值</source>
        <translation>%1 has no valid value read</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>（无法显示的文字）</source>
        <translation>(text that cannot be shown)</translation>
    </message>
    <message>
        <source>%1 应为 0 到 %2 的整数，而不是%3</source>
        <translation>%1 must be a whole number from 0 to %2, not %3</translation>
    </message>
    <message>
        <source>Store 应为 user、factory 或 none，而不是%1</source>
        <translation>Store must be user, factory or none, not %1</translation>
    </message>
    <message>
        <source>%1 不是数字：%2</source>
        <translation>%1 is not a number: %2</translation>
    </message>
    <message>
        <source>%1 超出范围：%2</source>
        <translation>%1 is out of range: %2</translation>
    </message>
    <message>
        <source>%1 超出变送器能保存的范围：%2（%3 位小数时最大为 %4）</source>
        <translation>%1 is beyond what the transmitter can hold: %2 (at most %4 with %3 decimal places)</translation>
    </message>
    <message>
        <source>节名缺少“]”：%1</source>
        <translation>Section name lacks &quot;]&quot;: %1</translation>
    </message>
    <message>
        <source>不是“键=值”的形式：%1</source>
        <translation>Not of the form &quot;key=value&quot;: %1</translation>
    </message>
    <message>
        <source>键%1在 [Transmitter] 节之前</source>
        <translation>Key %1 before the [Transmitter] section</translation>
    </message>
    <message>
        <source>未知的键%1</source>
        <translation>Unknown key %1</translation>
    </message>
    <message>
        <source>键 %1 重复（第 %2 行已给出）</source>
        <translation>Key %1 repeated (already given on line %2)</translation>
    </message>
    <message>
        <source>文件中没有 [Transmitter] 节</source>
        <translation>The file has no [Transmitter] section</translation>
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
        <source>变送器的波特率已改为 %1。串口服务器的线路固定为 %2 波特：请在服务器上也改为 %1，并把端口的 baud= 选项改为 %1，否则无法再与该变送器通讯。</source>
        <translation>The transmitter now runs at %1 baud. The serial device server keeps its line at %2 baud: set it to %1 on the server too, and change the port&apos;s baud= option to %1, or the transmitter can no longer be reached.</translation>
    </message>
    <message>
        <source>无法连接到串口服务器 %1（%2）。请检查地址、端口号和网络。</source>
        <translation>Cannot connect to the serial device server %1 (%2). Please check the address, the port number and the network.</translation>
    </message>
    <message>
        <source>与串口服务器 %1 的连接已断开。请检查网络和服务器，然后重新打开端口。</source>
        <translation>The connection to the serial device server %1 was lost. Please check the network and the server, then open the port again.</translation>
    </message>
    <message>
        <source>巡检全部变送器(&amp;B)</source>
        <translation>Poll the whole &amp;bus</translation>
    </message>
    <message>
        <source>停止巡检(&amp;B)</source>
        <translation>Stop polling the &amp;bus</translation>
    </message>
    <message>
        <source>没有在线变送器：请先搜索变送器。</source>
        <translation>No transmitters found: search the bus first.</translation>
    </message>
    <message>
        <source>校准检查(&amp;K)...</source>
        <translation>Calibration chec&amp;k...</translation>
    </message>
    <message>
        <source>校准检查</source>
        <translation>Calibration check</translation>
    </message>
    <message>
        <source>选择检定计划</source>
        <translation>Choose the check plan</translation>
    </message>
    <message>
        <source>保存证书</source>
        <translation>Save the certificate</translation>
    </message>
    <message>
        <source>选择检定记录文件</source>
        <translation>Choose the check log</translation>
    </message>
    <message>
        <source>检定计划 (*.ini)</source>
        <translation>Check plans (*.ini)</translation>
    </message>
    <message>
        <source>证书 (*.pdf)</source>
        <translation>Certificates (*.pdf)</translation>
    </message>
    <message>
        <source>检定记录 (*.csv)</source>
        <translation>Check logs (*.csv)</translation>
    </message>
    <message>
        <source>无法读取检定计划：%1</source>
        <translation>Cannot read the check plan: %1</translation>
    </message>
    <message>
        <source>检定计划有误：
%1
%2</source>
        <translation>The check plan is faulty:
%1
%2</translation>
    </message>
    <message>
        <source>此检定计划需要手动输入参考值（Reference=typed），无界面模式下不能运行。</source>
        <translation>This check plan needs typed reference values (Reference=typed) and cannot run headless.</translation>
    </message>
    <message>
        <source>无法写入检定记录文件：%1</source>
        <translation>Cannot write the check log: %1</translation>
    </message>
    <message>
        <source>无法生成证书：本程序没有证书输出。</source>
        <translation>Cannot make a certificate: this program has no certificate output.</translation>
    </message>
    <message>
        <source>读取变送器参数失败，未开始检定。</source>
        <translation>Reading the transmitter failed; the check did not start.</translation>
    </message>
    <message>
        <source>参考变送器的地址 %1 就是被检变送器的地址。</source>
        <translation>The reference transmitter address %1 is the address of the transmitter under test.</translation>
    </message>
    <message>
        <source>第 %1/%2 点：请将压力设定为 %3 %4（量程的 %5%），稳定后按确定。</source>
        <translation>Point %1/%2: set the pressure to %3 %4 (%5% of the range), then press OK once it is steady.</translation>
    </message>
    <message>
        <source>检定合格（%1）：%2 个点全部在允许误差 ±%3% 之内。</source>
        <translation>Check passed (%1): all %2 points within the tolerance of ±%3%.</translation>
    </message>
    <message>
        <source>检定不合格（%1）：%2 个点中 %3 个不合格。%4</source>
        <translation>Check failed (%1): %3 of %2 points failed. %4</translation>
    </message>
    <message>
        <source>检定未完成（%1）：完成 %2/%3 个点，检定不合格。</source>
        <translation>Check not completed (%1): %2/%3 points taken; the check failed.</translation>
    </message>
    <message>
        <source>%1
证书：%2
记录：%3</source>
        <translation>%1
Certificate: %2
Log: %3</translation>
    </message>
    <message>
        <source>%1无应答：%2</source>
        <translation>%1 did not answer: %2</translation>
    </message>
    <message>
        <source>读数不稳定</source>
        <translation>the readings did not settle</translation>
    </message>
    <message>
        <source>被检变送器</source>
        <translation>the transmitter under test</translation>
    </message>
    <message>
        <source>参考变送器</source>
        <translation>the reference transmitter</translation>
    </message>
    <message>
        <source>Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 个），而不是%1</source>
        <translation>Points must be percentages from 0 to 100 separated by commas (at most 21), not %1</translation>
    </message>
    <message>
        <source>Direction 应为 up 或 updown，而不是%1</source>
        <translation>Direction must be up or updown, not %1</translation>
    </message>
    <message>
        <source>%1 应为大于 0 的数，而不是%2</source>
        <translation>%1 must be a number above 0, not %2</translation>
    </message>
    <message>
        <source>Readings 应为 2 到 50 的整数，而不是%1</source>
        <translation>Readings must be a whole number from 2 to 50, not %1</translation>
    </message>
    <message>
        <source>Reference 应为 01 到 99 的地址或 typed，而不是%1</source>
        <translation>Reference must be an address from 01 to 99 or typed, not %1</translation>
    </message>
    <message>
        <source>Stage 应为 as_found 或 as_left，而不是%1</source>
        <translation>Stage must be as_found or as_left, not %1</translation>
    </message>
    <message>
        <source>未知的节%1，检定计划只有 [Check] 一节</source>
        <translation>Unknown section %1; a check plan has only the [Check] section</translation>
    </message>
    <message>
        <source>键%1不在 [Check] 节中</source>
        <translation>Key %1 is outside the [Check] section</translation>
    </message>
    <message>
        <source>文件中没有 [Check] 节</source>
        <translation>The file has no [Check] section</translation>
    </message>
    <message>
        <source>[Check] 节缺少键 %1</source>
        <translation>The [Check] section lacks the key %1</translation>
    </message>
    <message>
        <source>参考变送器 %1 无应答：%2。未开始检定。</source>
        <translation>The reference transmitter %1 did not answer: %2. The check did not start.</translation>
    </message>
    <message>
        <source>生产工位(&amp;P)...</source>
        <translation>&amp;Production station...</translation>
    </message>
    <message>
        <source>参数文件没有 [Station] 节：生产工位需要要给的地址（FirstAddress、LastAddress）。
%1</source>
        <translation>The settings file has no [Station] section: the production station needs the addresses to give (FirstAddress, LastAddress).
%1</translation>
    </message>
    <message>
        <source>无法读取报告文件，工位未开始：%1</source>
        <translation>Cannot read the report file; the station did not start: %1</translation>
    </message>
    <message>
        <source>未知的节%1，参数文件只有 [Transmitter] 和 [Station] 两节</source>
        <translation>Unknown section %1; a settings file has only the sections [Transmitter] and [Station]</translation>
    </message>
    <message>
        <source>[%1] 节重复（第 %2 行已有）</source>
        <translation>Section [%1] given again (already on line %2)</translation>
    </message>
    <message>
        <source>[%1] 节缺少键 %2</source>
        <translation>Section [%1] lacks the key %2</translation>
    </message>
    <message>
        <source>%1 应为 01 到 99 的地址，而不是%2</source>
        <translation>%1 must be an address from 01 to 99, not %2</translation>
    </message>
    <message>
        <source>%1 应为 1200、2400、4800 或 9600，而不是%2</source>
        <translation>%1 must be 1200, 2400, 4800 or 9600, not %2</translation>
    </message>
    <message>
        <source>LastAddress 不能小于 FirstAddress</source>
        <translation>LastAddress cannot be less than FirstAddress</translation>
    </message>
    <message>
        <source>ProbeAddress %1 不能在 FirstAddress 到 LastAddress 之间</source>
        <translation>ProbeAddress %1 cannot lie between FirstAddress and LastAddress</translation>
    </message>
    <message>
        <source>生产工位</source>
        <translation>Production station</translation>
    </message>
    <message>
        <source>工位：%1（已完成 %2 台）</source>
        <translation>Station: %1 (%2 done)</translation>
    </message>
    <message>
        <source>查找变送器</source>
        <translation>finding the transmitter</translation>
    </message>
    <message>
        <source>写入参数并读回校验</source>
        <translation>writing the settings and reading them back</translation>
    </message>
    <message>
        <source>修改地址和波特率</source>
        <translation>changing the address and baud rate</translation>
    </message>
    <message>
        <source>保存数据区</source>
        <translation>storing the data area</translation>
    </message>
    <message>
        <source>等待下一台变送器</source>
        <translation>waiting for the next transmitter</translation>
    </message>
    <message>
        <source>工位结束：通过 %1 台，未通过 %2 台，跳过 %3 台</source>
        <translation>Station ended: %1 passed, %2 failed, %3 skipped</translation>
    </message>
    <message>
        <source>序列号 %1 已配置为地址 %2，读回校验通过。%3

请取下它，接上下一台变送器，按“确定”继续；按“取消”结束。</source>
        <translation>Serial number %1 now has address %2 and its settings read back as written. %3

Take it off, connect the next transmitter and press OK to go on; Cancel ends the run.</translation>
    </message>
    <message>
        <source>序列号 %1 未通过，未保存，现在地址 %2：
%3

请把它从总线上取下，接上下一台变送器，按“确定”继续；按“取消”结束。</source>
        <translation>Serial number %1 failed; nothing was stored and it is now at address %2:
%3

Take it off the bus, connect the next transmitter and press OK to go on; Cancel ends the run.</translation>
    </message>
    <message>
        <source>%1未成功：期望 %2，实际 %3</source>
        <translation>%1 did not succeed: wanted %2, got %3</translation>
    </message>
    <message>
        <source>序列号 %1 在报告中已有通过的记录，已经配置过：跳过它，不写入。

请取下它，接上下一台变送器，按“确定”继续；按“取消”结束。</source>
        <translation>Serial number %1 already has a passed row in the report: it was done before and is skipped, nothing written.

Take it off, connect the next transmitter and press OK to go on; Cancel ends the run.</translation>
    </message>
    <message>
        <source>没有找到变送器（地址 %1、%2 波特没有应答，整个总线也没有）。工位结束。</source>
        <translation>No transmitter found (nothing answered at address %1, %2 baud, nor anywhere on the bus). The station ends.</translation>
    </message>
    <message>
        <source>总线上有 %1 台变送器。工位一次只配置一台：请只接一台，再重新开始。工位结束。</source>
        <translation>There are %1 transmitters on the bus. The station configures one at a time: connect only one and start again. The station ends.</translation>
    </message>
    <message>
        <source>没有可给的地址了（LastAddress 为 %1）。工位结束。</source>
        <translation>No address left to give (LastAddress is %1). The station ends.</translation>
    </message>
    <message>
        <source>%1

报告文件写入失败：%2。工位结束。</source>
        <translation>%1

Writing the report file failed: %2. The station ends.</translation>
    </message>
    <message>
        <source>修改地址</source>
        <translation>The address change</translation>
    </message>
    <message>
        <source>修改波特率</source>
        <translation>The baud rate change</translation>
    </message>
    <message>
        <source>参考变送器 %1 的单位（%2）与被检变送器的单位（%3）不同，未开始检定。</source>
        <translation>The reference transmitter %1 reads in %2, the transmitter under test in %3; the check did not start.</translation>
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
    <message>
        <source>测量曲线(&amp;C)</source>
        <translation>Measurement &amp;chart</translation>
    </message>
    <message>
        <source>总线巡检表(&amp;V)</source>
        <translation>Bus &amp;view</translation>
    </message>
</context>
</TS>
