<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>无法删除“%1”</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>“%1”太大：有 %2 字节或更多，最多读取 %3 字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>“%1”不是普通文件</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>无法打开“%1”进行写入</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>设置文件“%1”不是 Vorkel Clocks 能够读取的文本文件，因此无法使用您的设置。该文件在重新写入之前已复制到“%2”。</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>关于 Vorkel Clocks</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>版权所有 © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>%1 的闹钟时间已过！
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>这是您的 Vorkel Clocks 闹钟！

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>%1 现在是 %2。</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>闹钟 – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>稍后提醒(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>显示时钟</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> 外观 </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>在时钟上显示日期(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>在时钟上显示时间(&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>格式(&amp;O)：</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>字体(&amp;N)...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>颜色(&amp;L)...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>默认值(&amp;E)</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> 闹钟 </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>设置闹钟(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>使用的时钟(&amp;C)：</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>日期和时间（24 小时制）(&amp;I)：</translation>
    </message>
    <message>
        <source>on</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1，%2 磅</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>确实要恢复默认的外观设置吗？</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>输入值无效。按 Esc 键放弃更改</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>在 %1，此时间已经过去。</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>设置为 %1</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>闹钟时间 %2 %1 在 %3 已经过去，闹钟会立即响起。

改为设置为 %4 %1 吗？</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>闹钟日期</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>稍后提醒时长（分钟）(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>闹钟设定为 %2 %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>此桌面上没有找到通知区域，因此 Vorkel Clocks 在此窗口中显示时钟。
关闭此窗口将退出程序。</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>世界时间</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>固定到桌面</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>显示时钟</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>XXX 的信息(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;E)</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>您还没有选择任何时区作为时钟。
现在要选择吗？</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>加载时区数据时出错：
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;现在&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>回到现在</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>这是什么？(&amp;W)</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Vorkel Clocks 帮助</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>“%1”不是有效的时间</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>%2%1日</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>%2的最后一个%1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>%3%2日或之后的第一个%1</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>%3%2日或之前的最后一个%1</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>%2的第一个%1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>%1的某个未知日期</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>某个未知日期</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1的后一天</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1的前一天</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2之后%1天</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2之前%1天</translation>
    </message>
    <message>
        <source>hh:nn ampm</source>
        <extracomment>hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn</translation>
    </message>
</context>
<context>
    <name>TTimeZoneList</name>
    <message>
        <source>&quot;%1&quot; holds no time zones</source>
        <translation>“%1”不包含任何时区</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>%1 的信息(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>没有选择任何时钟。</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>单击显示以下地点的时间：</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Vorkel Clocks - Options</source>
        <translation>Vorkel Clocks - 选项</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>加载时区数据时出错：
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>时钟和时区</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>外观和闹钟</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>关于 Vorkel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>没有匹配的地点</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a place, then its country</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>TZoneSearchBox</name>
    <message>
        <source>Search for a city, country or abbreviation</source>
        <translation>搜索城市、国家或缩写</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>（搜索结果）</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>清除搜索</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>您的时钟(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>时区(&amp;T)：</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; 添加时钟(&amp;A)</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> （无时钟） </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>时钟标题(&amp;L)：</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>必要时使用夏令时(&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>删除(&amp;E)</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>标准时差：</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>夏令时差：</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>登录时启动 Vorkel Clocks(&amp;R)</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>按名称而不是按与 GMT 的时差排列时区。</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>按名称而不是 GMT 时差排列时区(&amp;S)</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>（所有时区）</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> （无时区） </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>夏令时（%1，%2）</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>标准时间（%1）</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>夏令时于%1开始。</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>标准时间于%1恢复。</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>此时区的时间调整按每年公布的日期进行。</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>下次调整：%1 %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>比本地时间快 %1</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>比本地时间慢 %1</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>yyyy年m月d日 dddd</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1（时区未知）</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>时区数据中没有此时区，因此时钟不显示时间。
时钟将保持原样，一旦知道该时区即会再次显示时间。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>时区数据中没有以下时钟的时区：</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>这些时钟将被保留并标记为“时区未知”，在时区数据重新包含其时区之前不显示时间。</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>与本地时间相同</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks 已在运行。</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>位于通知区域中的世界时钟。</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>打开选项（如果已有正在运行的副本，则在该副本中打开）。</translation>
    </message>
</context>
</TS>
