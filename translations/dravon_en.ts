<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
</context>
</TS>
