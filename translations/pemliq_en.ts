<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
